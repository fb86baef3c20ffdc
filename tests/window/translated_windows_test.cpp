// Every window in every language, as a user of that language meets it: no
// English left in a text, a tooltip, an accessible name or a menu; no text
// cut off its control; no mnemonic letter twice in a window. Run at scale 1
// and (a second ctest entry) at scale 2, where font metrics round
// differently.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSettings>
#include <QTest>
#include <QTextEdit>
#include <QXmlStreamReader>
#include <map>
#include <memory>
#include <set>

#include "controls/line_edit.h"
#include "window/calculator_window.h"
#include "window/critical_values_window.h"
#include "window/help_window.h"
#include "window/language.h"
#include "window/power_window.h"
#include "window/mosaic_window.h"
#include "window/table_window.h"
#include "window/variance_window.h"

namespace tarvik::test {
namespace {

// The English texts that the language's file translates into something
// else: any of them seen in a window means a text the program failed to
// translate. (Texts a language keeps as they are, "Help" in Dutch, are not
// English left behind.)
struct EnglishLeft {
    std::set<QString> whole;      // a text shown that is exactly one of these
    std::set<QString> fragments;  // a text shown that holds one of these
    std::set<QString> same;       // sources the language writes as English does
};

QString Plain(QString text) {
    text.remove(QRegularExpression("&(?!&)"));
    text.remove(QRegularExpression("\\s*\\(&?[A-Z]\\)"));  // Chinese mnemonics: "复制(&C)"
    return text.simplified();
}

EnglishLeft EnglishOf(const std::string& code) {
    QFile file(QString(TARVIK_TRANSLATIONS_DIR "/tarvik_%1.ts").arg(QString::fromStdString(code)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader xml(&file);
    EnglishLeft english;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"source") source = xml.readElementText();
        if (xml.name() != u"translation") continue;
        const QString translation = xml.readElementText();
        if (Plain(translation) == Plain(source)) english.same.insert(Plain(source));
        if (Plain(translation) == Plain(source) || !source.contains(QRegularExpression("[A-Za-z]{3}"))) continue;
        // A pattern's literal pieces: "Fisher's exact p = %1" shows as
        // "Fisher's exact p = 0.0049". A piece the translation keeps
        // ("Pearson χ² = ") is no sign of English.
        for (const QString& piece : source.split(QRegularExpression("%\\d"))) {
            const QString plain = Plain(piece);
            if (plain.size() >= 12 && !Plain(translation).contains(plain)) english.fragments.insert(plain);
        }
        english.whole.insert(Plain(source));
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(english.whole.size(), 300u) << "the language's file holds too few translations: " << english.whole.size();
    return english;
}

// Words of every English sentence the program writes and of none of its
// languages (Dutch "of" is "or", so "of" is not among them): text that
// never went through the translation at all.
const QRegularExpression kEnglishWords("\\b(the|and|with|from|for)\\b");

struct Shown {
    QString where;
    QString text;
};

void AddMenu(const QMenu& menu, const QString& where, std::vector<Shown>& out) {
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) continue;
        out.push_back({where + " menu", action->text().section('\t', 0, 0)});
        if (action->menu()) AddMenu(*action->menu(), where + " submenu", out);
    }
}

// Every text a user or a screen reader meets in a window.
std::vector<Shown> TextsOf(QWidget& window) {
    std::vector<Shown> out;
    const auto name = [](const QWidget* w) {
        return QString("%1 '%2'").arg(w->metaObject()->className(), w->objectName());
    };
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    out.push_back({"window title", window.windowTitle()});
    for (QWidget* w : widgets) {
        const QString where = name(w);
        out.push_back({where + " tooltip", w->toolTip()});
        out.push_back({where + " accessible name", w->accessibleName()});
        out.push_back({where + " accessible description", w->accessibleDescription()});
        if (auto* label = qobject_cast<QLabel*>(w)) out.push_back({where, label->text()});
        if (auto* button = qobject_cast<QAbstractButton*>(w)) out.push_back({where, button->text()});
        if (auto* box = qobject_cast<QGroupBox*>(w)) out.push_back({where, box->title()});
        if (auto* edit = qobject_cast<QLineEdit*>(w)) out.push_back({where + " placeholder", edit->placeholderText()});
        if (auto* text = qobject_cast<QTextEdit*>(w)) out.push_back({where, text->toPlainText()});
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i) out.push_back({where + " item", combo->itemText(i)});
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            const QAbstractItemModel& model = *view->model();
            for (int c = 0; c < model.columnCount(); ++c)
                out.push_back({where + " column", model.headerData(c, Qt::Horizontal).toString()});
            for (int r = 0; r < std::min(model.rowCount(), 3); ++r)
                out.push_back({where + " row", model.headerData(r, Qt::Vertical).toString()});
        }
        if (auto* button = qobject_cast<QPushButton*>(w); button && button->menu()) AddMenu(*button->menu(), where, out);
        if (auto* edit = qobject_cast<LineEdit*>(w)) AddMenu(*edit->ContextMenu(), where, out);
    }
    return out;
}

void ExpectNoEnglish(const std::vector<Shown>& texts, const EnglishLeft& english) {
    for (const Shown& shown : texts) {
        const QString text = Plain(shown.text);
        if (text.isEmpty()) continue;
        EXPECT_FALSE(english.whole.count(text)) << shown.where.toStdString() << ": \"" << text.toStdString() << "\"";
        for (const QString& fragment : english.fragments)
            EXPECT_FALSE(text.contains(fragment))
                << shown.where.toStdString() << ": \"" << text.toStdString() << "\" holds \"" << fragment.toStdString()
                << "\"";
        EXPECT_FALSE(text.contains(kEnglishWords)) << shown.where.toStdString() << ": \"" << text.toStdString() << "\"";
    }
}

bool InsideScrollArea(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QScrollArea*>(p)) return true;
    return false;
}

// A control's text needs its size hint: less room cuts it. A wrapping
// label needs the height its width asks for.
void ExpectNothingCut(QWidget& window) {
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window)) continue;
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        if (!(label && !label->text().isEmpty() && label->pixmap().isNull()) && !(button && !button->text().isEmpty()))
            continue;
        const QString what = QString("%1 \"%2\" at %3x%4")
                                 .arg(w->metaObject()->className(), label ? label->text() : button->text())
                                 .arg(w->width())
                                 .arg(w->height());
        if (label && label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(w->width()), w->height()) << what.toStdString();
        } else {
            EXPECT_LE(w->sizeHint().width(), w->width()) << what.toStdString();
            EXPECT_LE(w->sizeHint().height(), w->height() + 1) << what.toStdString();
        }
        if (!InsideScrollArea(w)) {
            EXPECT_TRUE(QRect(QPoint(0, 0), w->parentWidget()->size()).contains(w->geometry()))
                << what.toStdString() << " leaves its parent";
        }
    }
}

// No two controls side by side cover each other: a caption grown by its
// language must not run into the field beside it.
void ExpectNoOverlap(QWidget& window) {
    std::map<QWidget*, std::vector<QWidget*>> byParent;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        // Controls that show words or numbers (the spin arrows, wordless,
        // share their edge by design).
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const bool control = (label && !label->text().isEmpty()) || (button && !button->text().isEmpty()) ||
                             qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
        if (control && w->isVisibleTo(&window) && !w->parentWidget()->inherits("QAbstractSpinBox") &&
            !w->parentWidget()->inherits("QComboBox"))
            byParent[w->parentWidget()].push_back(w);
    }
    for (const auto& [parent, children] : byParent)
        for (std::size_t i = 0; i < children.size(); ++i)
            for (std::size_t j = i + 1; j < children.size(); ++j) {
                EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry()))
                    << children[i]->metaObject()->className() << " at "
                    << children[i]->geometry().x() << "," << children[i]->geometry().y() << " and "
                    << children[j]->metaObject()->className() << " at " << children[j]->geometry().x() << ","
                    << children[j]->geometry().y();
            }
}

// At the size a window opens with, nothing needs scrolling sideways: a
// language's longer words widen the window instead.
void ExpectNoSidewaysScrolling(QWidget& window) {
    for (const QScrollArea* area : window.findChildren<QScrollArea*>()) {
        if (!area->widget() || !area->widgetResizable()) continue;
        EXPECT_LE(area->widget()->minimumSizeHint().width(), area->viewport()->width())
            << "the controls scroll sideways at the opening size " << window.width() << "x" << window.height();
    }
}

// Alt+letter must reach one control: a letter twice only cycles the focus.
// Hidden controls count too: they show later (Cancel while counting).
void ExpectMnemonicsOnce(QWidget& window) {
    std::map<QChar, QString> seen;
    const QRegularExpression mnemonic("&([^&])");
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window) continue;  // a window of its own, as the table's mosaic
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) text = label->text();
        if (auto* box = qobject_cast<QGroupBox*>(w)) text = box->title();
        const auto m = mnemonic.match(text);
        if (!m.hasMatch()) continue;
        const QChar key = m.captured(1).at(0).toLower();
        EXPECT_FALSE(seen.count(key)) << "Alt+" << QString(key).toStdString() << ": \"" << seen[key].toStdString()
                                      << "\" and \"" << text.toStdString() << "\"";
        seen[key] = text;
    }
}

// In a menu too, each letter opens one entry (a submenu has its own).
void ExpectMenuMnemonicsOnce(const QMenu& menu, const QString& where) {
    std::map<QChar, QString> seen;
    const QRegularExpression mnemonic("&([^&])");
    for (const QAction* action : menu.actions()) {
        if (action->menu()) ExpectMenuMnemonicsOnce(*action->menu(), where + " submenu");
        const auto m = mnemonic.match(action->text());
        if (!m.hasMatch()) continue;
        const QChar key = m.captured(1).at(0).toLower();
        EXPECT_FALSE(seen.count(key)) << where.toStdString() << ": Alt+" << QString(key).toStdString() << ": \""
                                      << seen[key].toStdString() << "\" and \"" << action->text().toStdString() << "\"";
        seen[key] = action->text();
    }
}

class TranslatedWindows : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        QSettings("tarvik", "tarvik").clear();
        ASSERT_TRUE(UseLanguage(GetParam()));
    }
    void TearDown() override { UseLanguage(""); }

    // The window shown at the size and place it opens with.
    // Checked (cut, overlap, mnemonics, English left) where `english` is
    // given; the texts seen are kept in `seen` either way.
    void Check(QWidget& window, const EnglishLeft* english, bool layout, std::vector<Shown>& seen,
               const std::vector<Shown>& more = {}) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        std::vector<Shown> texts = TextsOf(window);
        texts.insert(texts.end(), more.begin(), more.end());
        seen.insert(seen.end(), texts.begin(), texts.end());
        if (english) ExpectNoEnglish(texts, *english);
        if (!layout) return;
        ExpectNothingCut(window);
        ExpectNoSidewaysScrolling(window);
        ExpectNoOverlap(window);
        ExpectMnemonicsOnce(window);
    }
    template <typename Window>
    void CheckBeside(Window& window, const QWidget& calculator, const EnglishLeft* english, bool layout,
                     std::vector<Shown>& seen) {
        window.ShowBeside(calculator);
        Check(window, english, layout, seen);
        if (!layout) return;
        // At its smallest too, no button's words are cut ("temove rov");
        // the messages may wrap into less room there.
        window.resize(1, 1);
        QCoreApplication::processEvents();
        for (const QAbstractButton* b : window.template findChildren<QAbstractButton*>()) {
            if (!b->isVisibleTo(&window) || b->text().isEmpty()) continue;
            EXPECT_LE(b->sizeHint().width(), b->width())
                << "\"" << b->text().toStdString() << "\" at the window's smallest size " << window.width() << "x"
                << window.height();
        }
    }

    // Every window of the program, in the language in force: the
    // calculator with its menus, the help, the critical values, power, and
    // the table window with a table tested (the report, the cells'
    // headings and the exact test's line are words of the window too).
    std::vector<Shown> Walk(const EnglishLeft* english, bool layout) {
        std::vector<Shown> seen;
        HelpWindow help;
        CalculatorWindow calculator(&help);
        calculator.show();
        calculator.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&calculator));
        std::vector<Shown> menus;
        AddMenu(*calculator.ChartMenu(), "chart", menus);
        AddMenu(*calculator.DensityMenu(), "density", menus);
        if (layout) {
            ExpectMenuMnemonicsOnce(*calculator.ChartMenu(), "the chart's menu");
            ExpectMenuMnemonicsOnce(*calculator.DensityMenu(), "the density's menu");
            // A field's menu: Qt's edit entries, then the calculator's.
            ExpectMenuMnemonicsOnce(*calculator.valueEdit->ContextMenu(), "a field's menu");
        }
        {
            SCOPED_TRACE("the calculator");
            Check(calculator, english, layout, seen, menus);
        }
        {
            SCOPED_TRACE("the help");
            Check(help, english, layout, seen);
        }
        {
            SCOPED_TRACE("the critical values");
            CriticalValuesWindow window;
            CheckBeside(window, calculator, english, layout, seen);
        }
        {
            SCOPED_TRACE("power and sample size");
            PowerWindow window;
            CheckBeside(window, calculator, english, layout, seen);
        }
        {
            SCOPED_TRACE("one variance");
            VarianceWindow window;
            window.nullEdit->setText("3");
            CheckBeside(window, calculator, english, layout, seen);
        }
        {
            SCOPED_TRACE("test a table");
            TableWindow window;
            window.Paste(kPastedTable);
            EXPECT_TRUE(QTest::qWaitFor([&] { return !window.ExactRunning(); }, 20000));
            QCoreApplication::processEvents();
            CheckBeside(window, calculator, english, layout, seen);
            SCOPED_TRACE("the mosaic");
            window.mosaicButton->click();
            Check(*window.mosaicWindow, english, layout, seen);
        }
        return seen;
    }
    static constexpr const char* kPastedTable = "\tA\tB\tC\nmen\t20\t15\t25\nwomen\t30\t25\t10\n";
};

// The texts a language writes as English does: its translations equal to
// their source ("Help" in Dutch), the languages' own names in the menu,
// the program's name, and the labels of the table pasted in the walk.
std::set<QString> SameInLanguage(const EnglishLeft& english) {
    std::set<QString> same = english.same;
    same.insert({"Zu Tarvik", "Tarvik", "men", "women"});
    for (const Language& l : Languages()) same.insert(QString::fromUtf8(l.name));
    return same;
}

TEST_P(TranslatedWindows, EveryWindowSpeaksTheLanguageWholeAndUncut) {
    // English is the source: its windows are checked for cut texts and
    // mnemonics only.
    std::unique_ptr<EnglishLeft> english;
    if (!GetParam().empty()) english = std::make_unique<EnglishLeft>(EnglishOf(GetParam()));
    std::vector<Shown> source;
    if (!GetParam().empty()) {
        // The same walk in English first: a text that shows the same in
        // both never went through a translation (a word not marked for
        // lupdate is in no .ts file, so only this comparison finds it).
        ASSERT_TRUE(UseLanguage(""));
        source = Walk(nullptr, false);
        ASSERT_TRUE(UseLanguage(GetParam()));
    }
    const std::vector<Shown> shown = Walk(english.get(), true);
    if (source.empty()) return;
    ASSERT_EQ(source.size(), shown.size()) << "the walk met other controls in English";
    const std::set<QString> same = SameInLanguage(*english);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QString text = Plain(shown[i].text);
        if (text != Plain(source[i].text) || !text.contains(QRegularExpression("[A-Za-z]{3}")) || same.count(text))
            continue;
        ADD_FAILURE() << shown[i].where.toStdString() << ": \"" << text.toStdString() << "\" shows as in English";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedWindows, ::testing::Values("", "de", "es", "fr", "nl", "tr", "zh_CN"),
                         [](const auto& info) { return info.param.empty() ? std::string("en") : info.param; });

}  // namespace
}  // namespace tarvik::test
