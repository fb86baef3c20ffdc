// The calculator window's layout and start-up.
#include "window/form1.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QShortcut>
#include <QValidator>

#include "platform/application.h"
#include "calc/input_filter.h"
#include "calc/results_text.h"
#include "core/number_text.h"
#include "platform/fonts.h"
#include "platform/screen_fit.h"
#include "resources/icon.h"
#include "window/chart_export.h"
#include "window/density_chart_config.h"
#include "window/help_form.h"

namespace tarvik {

namespace {

// The design size is the smallest: the controls keep their places and a
// larger window gives the room to the chart.
constexpr QSize kDesignSize(632, 253);
constexpr QRect kDesignChart(335, 7, 275, 240);

// Whatever reaches the degrees-of-freedom field by a paste, a drop or the
// middle button must stay a whole number; a refusal beeps, like a typed
// letter (QLineEdit reports it as inputRejected).
class TWholeNumberValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return IsWholeNumberText(input.toStdU16String()) ? Acceptable : Invalid;
    }
};

}  // namespace

TForm1::TForm1(THelpForm* helpForm, QWidget* parent) : QWidget(parent), helpForm_(helpForm) {
    setWindowTitle(" Zu  Tarvik");
    setWindowIcon(ProgramIcon());
    setFont(LayoutFont("MS Sans Serif", 11));
    move(189, 184);
    resize(kDesignSize);
    setMinimumSize(kDesignSize);
    BuildLayout();
    BindShortcuts();
    DescribeForAccessibility();
    PlaceOnScreen(*this);
}

void TForm1::BuildLayout() {
    Shader1 = new TShader(this);
    Shader1->SetCaption("Shader1");
    Shader1->SetFromColor(clAqua);
    Shader1->SetToColor(clTeal);
    Shader1->SetSteps(100);
    Shader1->SetDirection(false);
    Shader1->setFont(LayoutFont("MS Sans Serif", 13));
    // The panel's colours are fixed (aqua to teal), so the text drawn on it
    // takes the design's black, never the desktop palette's window text: a
    // dark theme's near-white would stand at 1.2:1 on the aqua. Fields,
    // buttons and boxes paint their own backgrounds and keep the palette.
    QPalette panelText = Shader1->palette();
    panelText.setColor(QPalette::WindowText, Qt::black);
    Shader1->setPalette(panelText);
    Shader1->setGeometry(rect());

    auto label = [this](int x, int y, int w, int h, const QString& caption, bool growLeft) {
        return new TLabel(caption, QRect(x, y, w, h), growLeft, Shader1);
    };
    Label1 = label(76, 24, 135, 16, "  Degrees of freedom : ", true);
    Label2 = label(95, 74, 116, 16, "  Chi-square value : ", true);
    Label3 = label(21, 124, 190, 16, "Cumulative distribution function : ", true);
    Label4 = label(78, 155, 133, 16, "Upper tail probability : ", true);
    Label5 = label(44, 204, 167, 16, "Probability density function : ", true);
    PdfLabel = label(218, 205, 52, 16, "0.029819", false);

    auto edit = [this](int x, int y) {
        auto* e = new TEdit(Shader1);
        e->setGeometry(x, y, 80, 24);
        e->setText("0");
        return e;
    };
    CdfEdit = edit(215, 120);
    X2ValueEdit = edit(215, 70);

    dfAdvSpinEdit = new TAdvSpinEdit(Shader1);
    dfAdvSpinEdit->BeginLoad();
    dfAdvSpinEdit->setGeometry(215, 20, 45, 26);
    dfAdvSpinEdit->SetMinValue(1);
    dfAdvSpinEdit->SetMaxValue(300);
    dfAdvSpinEdit->SetValue(1);
    dfAdvSpinEdit->SetSpinType(TAdvSpinType::sptNormal);
    dfAdvSpinEdit->SetPrecision(0);
    dfAdvSpinEdit->SetDirection(TSpinDirection::spVertical);
    dfAdvSpinEdit->SetIncrementPage(10);
    dfAdvSpinEdit->SetReturnIsTab(false);
    dfAdvSpinEdit->SetAutoFocus(false);
    dfAdvSpinEdit->EndLoad();

    HelpBitBtn = new QPushButton(" ", Shader1);
    HelpBitBtn->setGeometry(285, 20, 50, 25);
    HelpBitBtn->setIcon(HelpGlyph());

    ValueCheckBox = new TCheckBox(Shader1);
    ValueCheckBox->setGeometry(305, 74, 15, 15);
    ValueCheckBox->setChecked(false);
    CdfCheckBox = new TCheckBox(Shader1);
    CdfCheckBox->setGeometry(305, 134, 15, 15);
    CdfCheckBox->setText("CdfCheckBox");  // never visible: the box is only as wide as its square
    SetFreezeMode(false);  // the cdf frozen at start

    Chart1 = new TChart(Shader1);
    Chart1->setGeometry(kDesignChart);
    ConfigureDensityChart(*Chart1);
    Chart1->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(Chart1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        Guarded([&] { ChartMenu()->exec(Chart1->mapToGlobal(pos)); });
    });

    UpperTailEdit = edit(215, 150);

    // Tab order: cdf, value, df, help, the two boxes, chart, upper tail.
    QWidget::setTabOrder(CdfEdit, X2ValueEdit);
    QWidget::setTabOrder(X2ValueEdit, dfAdvSpinEdit);
    QWidget::setTabOrder(dfAdvSpinEdit, HelpBitBtn);
    QWidget::setTabOrder(HelpBitBtn, ValueCheckBox);
    QWidget::setTabOrder(ValueCheckBox, CdfCheckBox);
    QWidget::setTabOrder(CdfCheckBox, UpperTailEdit);
    CdfEdit->setFocus();

    // Handlers, bound after the layout's values are in.
    BindNumberField(X2ValueEdit, TField::Value);
    BindNumberField(CdfEdit, TField::Cdf);
    BindNumberField(UpperTailEdit, TField::UpperTail);
    dfAdvSpinEdit->OnChange = [this](QObject*) { dfAdvSpinEditChange(); };
    dfAdvSpinEdit->OnKeyPress = [this](QObject*, QChar& k) { dfAdvSpinEditKeyPress(k); };
    dfAdvSpinEdit->setValidator(new TWholeNumberValidator(dfAdvSpinEdit));
    QObject::connect(dfAdvSpinEdit, &QLineEdit::inputRejected, this, [] { Guarded([] { Beep(); }); });
    // A toggle from the keyboard (Space) or the mouse changes the mode the
    // same way; the mouse-up handlers re-assert it for any other button.
    ValueCheckBox->OnMouseUp = [this](QObject*, Qt::MouseButton) { SetFreezeMode(ValueCheckBox->isChecked()); };
    CdfCheckBox->OnMouseUp = [this](QObject*, Qt::MouseButton) { SetFreezeMode(!CdfCheckBox->isChecked()); };
    QObject::connect(ValueCheckBox, &QCheckBox::clicked, this,
                     [this](bool on) { Guarded([&] { SetFreezeMode(on); }); });
    QObject::connect(CdfCheckBox, &QCheckBox::clicked, this,
                     [this](bool on) { Guarded([&] { SetFreezeMode(!on); }); });
    QObject::connect(HelpBitBtn, &QPushButton::clicked, this, [this] { Guarded([this] { HelpBitBtnClick(); }); });
}

// No handler of ours may run on a half-destroyed window: destroying the
// visible window hides it, and the focus leaving the spin edit would run
// its correction and the whole chain on members already gone.
TForm1::~TForm1() {
    for (TEdit* e : {X2ValueEdit, CdfEdit, UpperTailEdit}) {
        e->OnKeyDown = nullptr;
        e->OnKeyPress = nullptr;
        e->OnKeyUp = nullptr;
        e->OnExit = nullptr;
        e->OnContextPopup = nullptr;
        e->disconnect(this);
    }
    dfAdvSpinEdit->OnChange = nullptr;
    dfAdvSpinEdit->OnKeyPress = nullptr;
    ValueCheckBox->OnMouseUp = nullptr;
    CdfCheckBox->OnMouseUp = nullptr;
    ValueCheckBox->disconnect(this);
    CdfCheckBox->disconnect(this);
    HelpBitBtn->disconnect(this);
    PdfLabel->disconnect(this);
    dfAdvSpinEdit->disconnect(this);
}

void TForm1::BindShortcuts() {
    auto bind = [this](const QKeySequence& keys, void (TForm1::*action)()) {
        auto* shortcut = new QShortcut(keys, this);
        QObject::connect(shortcut, &QShortcut::activated, this, [this, action] { Guarded([&] { (this->*action)(); }); });
    };
    bind(QKeySequence(Qt::Key_F1), &TForm1::HelpBitBtnClick);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &TForm1::CopyResults);
    for (TEdit* e : {X2ValueEdit, CdfEdit, UpperTailEdit})
        e->OnContextPopup = [this, e](QObject*, QMenu& menu) { AddCopyActions(menu, e); };
    PdfLabel->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(PdfLabel, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        Guarded([&] { DensityMenu()->exec(PdfLabel->mapToGlobal(pos)); });
    });
}

// What a screen reader announces for each control: the caption a sighted
// user reads beside it. The captions themselves stay as designed.
void TForm1::DescribeForAccessibility() {
    dfAdvSpinEdit->setAccessibleName("Degrees of freedom");
    X2ValueEdit->setAccessibleName("Chi-square value");
    CdfEdit->setAccessibleName("Cumulative distribution function");
    UpperTailEdit->setAccessibleName("Upper tail probability");
    HelpBitBtn->setAccessibleName("Help");
    HelpBitBtn->setToolTip("Help (F1)");
    ValueCheckBox->setAccessibleName("Keep the chi-square value when the degrees of freedom change");
    CdfCheckBox->setAccessibleName("Keep the cumulative probability when the degrees of freedom change");
    Chart1->setAccessibleName("Density chart");
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Shader1->setGeometry(rect());  // the panel follows the client area
    const QSize extra = (size() - kDesignSize).expandedTo(QSize(0, 0));
    Chart1->setGeometry(QRect(kDesignChart.topLeft(), kDesignChart.size() + extra));
}

void TForm1::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (shown_) return;
    shown_ = true;
    Guarded([this] { FormShow(); });
}

void TForm1::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Guarded([this] { FormActivate(); });
}

void TForm1::FormShow() {
    HelpBitBtn->setText("");
    Apply(calc_.Show());  // from the layout's texts: cdf 0, value 0, df 1
}

void TForm1::FormActivate() {
    // Only the first activation writes the start values: coming back from
    // the help window must not wipe what the user typed.
    if (startValuesWritten_) return;
    startValuesWritten_ = true;
    Apply(calc_.WriteStartValues());
}

std::unique_ptr<QMenu> TForm1::ChartMenu() {
    auto menu = std::make_unique<QMenu>(this);
    QObject::connect(menu->addAction("Save chart as\u2026"), &QAction::triggered, this,
                     [this] { Guarded([this] { SaveChartAs(); }); });
    QObject::connect(menu->addAction("Copy chart"), &QAction::triggered, this,
                     [this] { Guarded([this] { CopyChart(); }); });
    return menu;
}

QString TForm1::ChartTitle() const {
    return QString("df %1   x = %2   P(X<=x) = %3   P(X>x) = %4")
        .arg(dfAdvSpinEdit->text(), X2ValueEdit->text(), CdfEdit->text(), UpperTailEdit->text());
}

void TForm1::SaveChartAs() {
    const QString png = "PNG image (*.png)", png2 = "PNG image, twice the size (*.png)", svg = "SVG drawing (*.svg)";
    QString filter = png;
    const QString path = QFileDialog::getSaveFileName(this, "Save chart as", "chi-square.png",
                                                      png + ";;" + png2 + ";;" + svg, &filter);
    if (path.isEmpty()) return;
    SaveChartTo(path, filter == png2 ? 2 : 1);
}

void TForm1::SaveChartTo(const QString& path, int scale) {
    Guarded([&] { SaveChart(*Chart1, path, ChartTitle(), scale); });
}

Real TForm1::FullNumber(const QWidget* shown) const {
    const TResults r = calc_.Results();
    if (shown == X2ValueEdit) return r.value;
    if (shown == CdfEdit) return r.cdf;
    if (shown == UpperTailEdit) return r.upper;
    return r.density;
}

void TForm1::AddCopyActions(QMenu& menu, const QWidget* shown) {
    menu.addSeparator();
    QObject::connect(menu.addAction("Copy full precision"), &QAction::triggered, this, [this, shown] {
        Guarded([&] {
            QGuiApplication::clipboard()->setText(QString::fromStdString(FormatFullPrecision(FullNumber(shown))));
        });
    });
    QAction* results = menu.addAction("Copy results");
    results->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QObject::connect(results, &QAction::triggered, this, [this] { Guarded([this] { CopyResults(); }); });
}

std::unique_ptr<QMenu> TForm1::DensityMenu() {
    auto menu = std::make_unique<QMenu>(this);
    QObject::connect(menu->addAction("Copy"), &QAction::triggered, this,
                     [this] { Guarded([this] { QGuiApplication::clipboard()->setText(PdfLabel->Caption()); }); });
    AddCopyActions(*menu, PdfLabel);
    return menu;
}

void TForm1::CopyResults() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(ResultsClipboardText(calc_.Results())));
}

// The tooltip of each shown number: six significant digits in scientific
// form (what six decimals hide in a small p-value), then the full Real.
void TForm1::UpdatePrecisionTips() {
    for (QWidget* shown : std::initializer_list<QWidget*>{X2ValueEdit, CdfEdit, UpperTailEdit, PdfLabel}) {
        const Real v = FullNumber(shown);
        shown->setToolTip(QString::fromStdString(FormatScientific(v, 6)) + "  (6 significant digits)\n" +
                          QString::fromStdString(FormatFullPrecision(v)) + "  (full precision)");
    }
}

void TForm1::CopyChart() { QGuiApplication::clipboard()->setImage(RenderChart(*Chart1, ChartTitle())); }

void TForm1::HelpBitBtnClick() {
    if (!helpForm_) return;
    helpForm_->show();
    helpForm_->raise();
    helpForm_->activateWindow();
}

}  // namespace tarvik
