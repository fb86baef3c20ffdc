// The page's calculator: the desktop's calculator core (calc/calculator.h)
// driven by the page's events, its effects answered as JSON, and its
// density chart laid out by the desktop's layout code and written as SVG.
// One calculator per module: the page has one.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>

#include "calc/calculator.h"
#include "core/errors.h"
#include "core/format_settings.h"
#include "core/number_text.h"
#include "core/translation.h"
#include "plot/chart_layout.h"
#include "plot/chart_svg.h"
#include "plot/density_chart_model.h"
#include "json_text.h"

// The label's width in CSS pixels as the browser draws it at `pixels`
// (a canvas measures it); without a canvas (node) an average digit's.
EM_JS(int, tarvik_label_width, (const char* text, double pixels), {
    var s = UTF8ToString(text);
    var make = typeof OffscreenCanvas !== 'undefined' ? function() { return new OffscreenCanvas(1, 1); }
             : typeof document !== 'undefined' ? function() { return document.createElement('canvas'); } : null;
    if (!make) return Math.round(s.length * pixels * 0.556);
    if (!Module.labelContext) Module.labelContext = make().getContext('2d');
    Module.labelContext.font = pixels + 'px ' + Module.labelFamily;
    return Math.round(Module.labelContext.measureText(s).width);
});

namespace tarvik {
namespace {

// Arial's metrics at the labels' size (Liberation Sans has the same):
// ascent 0.905 and descent 0.212 of the size, each rounded up as a font's
// integer metrics are.
struct PageMetrics : TextMetrics {
    explicit PageMetrics(double pixels) : pixels(pixels) {}
    int TextWidth(const std::string& text) const override { return tarvik_label_width(text.c_str(), pixels); }
    int FontHeight() const override { return Ascent() + int(std::ceil(pixels * 0.212)); }
    int Ascent() const { return int(std::ceil(pixels * 0.905)); }
    double pixels;
};

struct Page {
    Calculator calculator{WindowLimits()};
    ChartModel chart;
    std::optional<DensityPlot> plot;
    Results shown{};  // the numbers the chart's description states
    std::string answer;
    Page() { ConfigureDensityModel(chart); }
};

Page& ThePage() {
    static Page page;
    return page;
}

// The fields' changed texts, null where a text stays.
std::string Changed(const std::array<std::optional<std::string>, kFieldCount>& texts) {
    std::string out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) out += (i ? "," : "") + JsonStringOrNull(texts[i]);
    return out + "]";
}

// The effects, and the whole state after them: the page writes a field's
// text only where it changed (a rewrite would move the caret), and its
// notes, the density and the freeze boxes from the state.
const char* Answer(const Effects& fx) {
    Page& page = ThePage();
    if (fx.Chart) {
        FillDensityModel(page.chart, *fx.Chart);
        page.plot = fx.Chart;
        page.shown = page.calculator.CurrentResults();
    }
    const Calculator& c = page.calculator;
    std::string json = "{\"texts\":" + Changed(fx.Texts);
    json += ",\"all\":" + JsonList({c.Text(Field::Value), c.Text(Field::Cdf), c.Text(Field::UpperTail)});
    json += ",\"notes\":" + JsonList({c.Note(Field::Value), c.Note(Field::Cdf), c.Note(Field::UpperTail)});
    json += ",\"pdf\":" + JsonString(c.PdfCaption());
    json += ",\"df\":" + std::to_string(c.Df());
    json += std::string(",\"frozen\":") + (c.ValueFrozen() ? "true" : "false");
    json += std::string(",\"chart\":") + (fx.Chart ? "true" : "false");
    json += ",\"error\":" + JsonStringOrNull(fx.Error);
    json += "}";
    page.answer = std::move(json);
    return page.answer.c_str();
}

// Every event runs guarded: a fault the core did not turn into its own
// error comes back as the event's error, never as a trap in the page.
template <typename Event>
const char* Guarded(Event event) {
    try {
        return Answer(event());
    } catch (const Exception& e) {
        Effects fx;
        fx.Error = e.Message();
        return Answer(fx);
    } catch (const std::exception&) {
        Effects fx;
        fx.Error = EInvalidOp().Message();
        return Answer(fx);
    }
}

Field FieldOf(int index) { return index == 1 ? Field::Cdf : index == 2 ? Field::UpperTail : Field::Value; }

std::u16string Utf16(const std::string& text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? c : length == 2 ? c & 0x1F : length == 3 ? c & 0x0F : c & 0x07;
        for (int k = 1; k < length && i + std::size_t(k) < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + std::size_t(k)]) & 0x3F);
        i += std::size_t(length);
        if (code >= 0x10000) {
            code -= 0x10000;
            out += char16_t(0xD800 + (code >> 10));
            out += char16_t(0xDC00 + (code & 0x3FF));
        } else {
            out += char16_t(code);
        }
    }
    return out;
}

}  // namespace

// C names for the page; inside the namespace, so that they read its names.
extern "C" {

// The browser's separators: ',' or '.' for the decimal mark, and the
// thousands' mark beside it, as the desktop reads them from its locale.
EMSCRIPTEN_KEEPALIVE void tarvik_separators(int decimal, int thousands) {
    FormatSettings& fs = CurrentFormatSettings();
    fs.DecimalSeparator = decimal == ',' ? ',' : '.';
    fs.ThousandSeparator = thousands == fs.DecimalSeparator ? (fs.DecimalSeparator == ',' ? '.' : ',') : char(thousands);
}

// A text of the page in the language in use: its translation where the
// catalogue has one, else the English source.
EMSCRIPTEN_KEEPALIVE const char* tarvik_text(const char* context, const char* source) {
    static std::string text;
    text = Tr(context, source);
    return text.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tarvik_calc_show() { return Guarded([] { return ThePage().calculator.Show(); }); }
EMSCRIPTEN_KEEPALIVE const char* tarvik_calc_start() {
    return Guarded([] { return ThePage().calculator.WriteStartValues(); });
}
EMSCRIPTEN_KEEPALIVE const char* tarvik_calc_edit(int field, const char* text) {
    return Guarded([&] { return ThePage().calculator.TextEdited(FieldOf(field), text); });
}
EMSCRIPTEN_KEEPALIVE const char* tarvik_calc_release(int field) {
    return Guarded([&] { return ThePage().calculator.KeyReleased(FieldOf(field)); });
}
EMSCRIPTEN_KEEPALIVE const char* tarvik_calc_commit(int field) {
    return Guarded([&] { return ThePage().calculator.Commit(FieldOf(field)); });
}
EMSCRIPTEN_KEEPALIVE const char* tarvik_calc_df(int df) {
    return Guarded([&] { return ThePage().calculator.DfChanged(df); });
}
EMSCRIPTEN_KEEPALIVE const char* tarvik_calc_freeze(int valueFrozen) {
    return Guarded([&] {
        ThePage().calculator.SetValueFrozen(valueFrozen != 0);
        return Effects{};
    });
}

// The character a key inserts at `caret` (UTF-16 units) of the field's
// text, or 0 where the field refuses it.
EMSCRIPTEN_KEEPALIVE int tarvik_calc_key(const char* text, int caret, int character) {
    return Calculator::KeyInserted(Utf16(text), caret, char16_t(character));
}

// The density chart of the last picture at width x height, its labels at
// `labelPixels`, as JSON: the SVG's elements and their description for a
// screen reader.
EMSCRIPTEN_KEEPALIVE const char* tarvik_chart(int width, int height, double labelPixels) {
    static std::string out;
    Page& page = ThePage();
    try {
        const PageMetrics metrics(labelPixels);
        const ChartLayout layout = ComputeChartLayout(page.chart, width, height, metrics);
        const SvgFont font{"Arial, 'Liberation Sans', Helvetica, sans-serif", labelPixels, double(metrics.Ascent())};
        out = ChartSvgElements(page.chart, layout, font, width, height);
        std::string description;
        if (page.plot) {
            const Results& r = page.shown;
            const char* pattern = "Chi-square density for df %1 at x = %2, P(X<=x) = %3; shaded upper tail P(X > x) = %4";
            description = Fill(Tr("CalculatorWindow", pattern),
                               {std::to_string(std::int64_t(r.df)), FormatFixed(r.value), ProbabilityText(r.cdf),
                                ProbabilityText(page.plot->TailProbability)});
        }
        out = JsonString(out);
        out = "{\"svg\":" + out + ",\"description\":" + JsonString(description) + "}";
    } catch (const std::exception&) {
        out = "{\"svg\":\"\",\"description\":\"\"}";
    }
    return out.c_str();
}

}  // extern "C"
}  // namespace tarvik
