// The calculator window's layout and start-up.
#include "window/table_window.h"
#include "window/variance_window.h"
#include "window/power_window.h"
#include "window/critical_values_window.h"
#include "resources/help_text.h"
#include "window/calculator_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QWindow>
#include <QValidator>

#include "calc/input_filter.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/screen_fit.h"
#include "resources/icon.h"
#include "chart/density_chart_config.h"
#include "window/help_window.h"
#include "files/settings.h"

namespace tarvik {

namespace {

// The design size is the smallest: the controls keep their places and a
// larger window gives the room to the chart.
constexpr QSize kDesignSize(632, 253);
constexpr QRect kDesignChart(335, 7, kChartWidth, kChartHeight);
// The room around the chart: 22 pixels right of it, 6 below.
constexpr QSize kChartBorder(kDesignSize.width() - kDesignChart.right() - 1, kDesignSize.height() - kDesignChart.bottom() - 1);

// Whatever reaches the degrees-of-freedom field by a paste, a drop or the
// middle button must stay a whole number; a refusal beeps, like a typed
// letter (QLineEdit reports it as inputRejected).
class WholeNumberValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return IsWholeNumberText(input.toStdU16String()) ? Acceptable : Invalid;
    }
};

}  // namespace

CalculatorWindow::CalculatorWindow(HelpWindow* helpWindow, QWidget* parent) : QWidget(parent), helpWindow_(helpWindow) {
    setWindowTitle(" Zu  Tarvik");
    setFont(LayoutFont("MS Sans Serif", 11));
    move(189, 184);
    resize(kDesignSize);
    calc_.SetNumberFormat(SavedNumberFormat());  // the fields are written later, in this form
    BuildLayout();
    BindShortcuts();
    DescribeForAccessibility();
    FitMinimumSizeToScreen();
}

// The design size is the minimum where the screen has room for it. On a
// smaller screen (1280 pixels at scale 3 are 426 logical ones) the minimum
// follows the screen and the chart gives up its width and height first:
// the fields keep their places, and nothing leaves the screen.
void CalculatorWindow::FitMinimumSizeToScreen() {
    const QScreen* screen = this->screen();
    if (!screen) return;
    const QRect inner = geometry(), outer = frameGeometry();
    QSize frame(outer.width() - inner.width(), outer.height() - inner.height());
    if (frame.isNull()) frame = QSize(8, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);  // not mapped yet
    setMinimumSize(kDesignSize.boundedTo(screen->availableGeometry().size() - frame));
    PlaceOnScreen(*this);
}

void CalculatorWindow::BuildLayout() {
    background = new GradientPanel(this);
    background->SetFromColor(ToQColor(kAqua));
    background->SetToColor(ToQColor(kTeal));
    background->SetSteps(100);
    background->SetDirection(false);
    background->setFont(LayoutFont("MS Sans Serif", 13));
    // The panel's colours are fixed (aqua to teal), so the text drawn on it
    // takes the design's black, never the desktop palette's window text: a
    // dark theme's near-white would stand at 1.2:1 on the aqua. Fields,
    // buttons and boxes paint their own backgrounds and keep the palette.
    QPalette panelText = background->palette();
    panelText.setColor(QPalette::WindowText, Qt::black);
    background->setPalette(panelText);
    background->setGeometry(rect());

    auto label = [this](int x, int y, int w, int h, const QString& caption, bool growLeft) {
        return new CaptionLabel(caption, QRect(x, y, w, h), growLeft, background);
    };
    dfCaption = label(76, 24, 135, 16, tr("  Degrees of freedom : "), true);
    valueCaption = label(95, 74, 116, 16, tr("  Chi-square value : "), true);
    cdfCaption = label(21, 124, 190, 16, tr("Cumulative distribution function : "), true);
    upperTailCaption = label(78, 155, 133, 16, tr("Upper tail probability : "), true);
    densityCaption = label(44, 204, 167, 16, tr("Probability density function : "), true);
    densityLabel = label(218, 205, 52, 16, "0.029819", false);

    auto edit = [this](int x, int y) {
        auto* e = new LineEdit(background);
        e->setGeometry(x, y, 80, 24);
        e->setText("0");
        return e;
    };
    cdfEdit = edit(215, 120);
    valueEdit = edit(215, 70);

    dfSpinEdit = new SpinEdit(background);
    dfSpinEdit->BeginLoad();
    dfSpinEdit->setGeometry(215, 20, 45, 26);
    dfSpinEdit->SetMinValue(WindowLimits().lowestDf);
    dfSpinEdit->SetMaxValue(WindowLimits().highestDf);
    dfSpinEdit->SetValue(1);
    dfSpinEdit->SetSpinType(SpinValueType::Integer);
    dfSpinEdit->SetPrecision(0);
    dfSpinEdit->SetDirection(SpinDirection::Vertical);
    dfSpinEdit->SetIncrementPage(10);
    dfSpinEdit->SetReturnIsTab(false);
    dfSpinEdit->SetAutoFocus(false);
    dfSpinEdit->EndLoad();

    helpButton = new QPushButton(" ", background);
    helpButton->setGeometry(285, 20, 50, 25);
    helpButton->setIcon(HelpGlyph());

    keepValueBox = new CheckBox(background);
    keepValueBox->setGeometry(305, 74, 15, 15);
    keepValueBox->setChecked(false);
    keepCdfBox = new CheckBox(background);
    keepCdfBox->setGeometry(305, 134, 15, 15);
    SetFreezeMode(false);  // the cdf frozen at start

    densityChart = new Chart(background);
    densityChart->setGeometry(kDesignChart);
    ConfigureDensityChart(*densityChart);
    densityChart->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(densityChart, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        Guarded([&] { ChartMenu()->exec(densityChart->mapToGlobal(pos)); });
    });

    upperTailEdit = edit(215, 150);

    // The density and the chart take the keyboard too, so that their menus
    // (copy, save) open with the Menu key or Shift+F10.
    densityLabel->setFocusPolicy(Qt::StrongFocus);
    densityChart->setFocusPolicy(Qt::StrongFocus);

    // Tab order: cdf, value, df, help, the two boxes, density, chart, upper tail.
    QWidget::setTabOrder(cdfEdit, valueEdit);
    QWidget::setTabOrder(valueEdit, dfSpinEdit);
    QWidget::setTabOrder(dfSpinEdit, helpButton);
    QWidget::setTabOrder(helpButton, keepValueBox);
    QWidget::setTabOrder(keepValueBox, keepCdfBox);
    QWidget::setTabOrder(keepCdfBox, densityLabel);
    QWidget::setTabOrder(densityLabel, densityChart);
    QWidget::setTabOrder(densityChart, upperTailEdit);
    cdfEdit->setFocus();

    // Handlers, bound after the layout's values are in.
    BindNumberField(valueEdit, Field::Value);
    BindNumberField(cdfEdit, Field::Cdf);
    BindNumberField(upperTailEdit, Field::UpperTail);
    ConnectGuarded(dfSpinEdit, &SpinEdit::changed, this, [this] { DfSpinEditChanged(); });
    ConnectGuarded(dfSpinEdit, &LineEdit::characterTyped, this, [this](QChar& key) { DfSpinEditKeyPress(key); });
    dfSpinEdit->setValidator(new WholeNumberValidator(dfSpinEdit));
    QObject::connect(dfSpinEdit, &QLineEdit::inputRejected, this, [] { Guarded([] { Beep(); }); });
    // Every toggle changes the mode the same way: the mouse, Space, and a
    // screen reader's Toggle action. The mouse-up handlers re-assert the
    // mode for a release of any other button. (SetFreezeMode's own writes
    // toggle the other box, which asks for the same mode again: no change.)
    ConnectGuarded(keepValueBox, &CheckBox::mouseReleased, this,
                   [this](Qt::MouseButton) { SetFreezeMode(keepValueBox->isChecked()); });
    ConnectGuarded(keepCdfBox, &CheckBox::mouseReleased, this,
                   [this](Qt::MouseButton) { SetFreezeMode(!keepCdfBox->isChecked()); });
    ConnectGuarded(keepValueBox, &QCheckBox::toggled, this, [this](bool on) { SetFreezeMode(on); });
    ConnectGuarded(keepCdfBox, &QCheckBox::toggled, this, [this](bool on) { SetFreezeMode(!on); });
    ConnectGuarded(helpButton, &QPushButton::clicked, this, [this](bool) { ShowHelp(); });
}

// No slot of ours may run on a half-destroyed window: QWidget's destructor
// hides the window before it deletes the controls, and the focus leaving a
// field would signal the chain on members already gone. Qt drops a
// receiver's connections only in QObject's destructor, after all that.
CalculatorWindow::~CalculatorWindow() {
    for (QObject* control : background->findChildren<QObject*>()) control->disconnect(this);
}

void CalculatorWindow::BindShortcuts() {
    auto bind = [this](const QKeySequence& keys, void (CalculatorWindow::*action)()) {
        auto* shortcut = new QShortcut(keys, this);
        QObject::connect(shortcut, &QShortcut::activated, this, [this, action] { Guarded([&] { (this->*action)(); }); });
    };
    bind(QKeySequence(Qt::Key_F1), &CalculatorWindow::ShowHelpForActiveWindow);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &CalculatorWindow::CopyResults);
    bind(QKeySequence(Qt::SHIFT | Qt::Key_F10), &CalculatorWindow::OpenContextMenuFromKeyboard);
    bind(QKeySequence(Qt::CTRL | Qt::Key_T), &CalculatorWindow::ShowCriticalValues);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &CalculatorWindow::ShowPower);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T), &CalculatorWindow::ShowTableTest);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &CalculatorWindow::ShowVariance);
    for (LineEdit* e : {valueEdit, cdfEdit, upperTailEdit})
        ConnectGuarded(e, &LineEdit::contextMenuAboutToShow, this, [this, e](QMenu* menu) { AddCopyActions(*menu, e); });
    densityLabel->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(densityLabel, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        Guarded([&] { DensityMenu()->exec(densityLabel->mapToGlobal(pos)); });
    });
}

// What a screen reader announces for each control: the caption a sighted
// user reads beside it. The captions themselves stay as designed.
void CalculatorWindow::DescribeForAccessibility() {
    dfSpinEdit->setAccessibleName(tr("Degrees of freedom"));
    valueEdit->setAccessibleName(tr("Chi-square value"));
    cdfEdit->setAccessibleName(tr("Cumulative distribution function"));
    upperTailEdit->setAccessibleName(tr("Upper tail probability"));
    helpButton->setAccessibleName(tr("Help"));
    helpButton->setToolTip(tr("Help (F1)"));
    keepValueBox->setAccessibleName(tr("Keep the chi-square value when the degrees of freedom change"));
    keepCdfBox->setAccessibleName(tr("Keep the cumulative probability when the degrees of freedom change"));
    densityChart->setAccessibleName(tr("Density chart"));
    // Each caption labels its field, for the relations a screen reader reads.
    dfCaption->setBuddy(dfSpinEdit);
    valueCaption->setBuddy(valueEdit);
    cdfCaption->setBuddy(cdfEdit);
    upperTailCaption->setBuddy(upperTailEdit);
    densityCaption->setBuddy(densityLabel);
}

// Shift+F10 opens the focused control's menu, as the Menu key does.
void CalculatorWindow::OpenContextMenuFromKeyboard() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this) return;
    const QPoint centre = focus->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, focus->mapToGlobal(centre));
    QApplication::sendEvent(focus, &event);
}

void CalculatorWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    background->setGeometry(rect());  // the panel follows the client area
    // The chart takes what the fields leave: more in a larger window, less
    // where the screen is smaller than the design.
    const QSize chart = (size() - QSize(kDesignChart.left(), kDesignChart.top()) - kChartBorder).expandedTo(QSize(0, 0));
    densityChart->setGeometry(QRect(kDesignChart.topLeft(), chart));
}

void CalculatorWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (shown_) return;
    shown_ = true;
    // Moved to another screen, or this one changed its size or scale.
    if (QWindow* window = windowHandle()) {
        const auto refit = [this] { Guarded([this] { FitMinimumSizeToScreen(); }); };
        QObject::connect(window, &QWindow::screenChanged, this, refit);
        if (QScreen* screen = window->screen())
            QObject::connect(screen, &QScreen::availableGeometryChanged, this, refit);
    }
    Guarded([this] { FitMinimumSizeToScreen(); });
    Guarded([this] { DrawFirstPicture(); });
}

void CalculatorWindow::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Guarded([this] { WriteStartValuesOnce(); });
}

void CalculatorWindow::DrawFirstPicture() {
    helpButton->setText("");
    Apply(calc_.Show());  // from the fields' first texts: cdf 0, value 0, df 1
}

void CalculatorWindow::WriteStartValuesOnce() {
    // Only the first activation writes the start values: coming back from
    // the help window must not wipe what the user typed.
    if (startValuesWritten_) return;
    startValuesWritten_ = true;
    Apply(calc_.WriteStartValues());
}

void CalculatorWindow::ShowHelp() {
    if (!helpWindow_) {
        ownHelpWindow_ = std::make_unique<HelpWindow>();
        // Closing the help never ends the program; closing the calculator does.
        ownHelpWindow_->setAttribute(Qt::WA_QuitOnClose, false);
        helpWindow_ = ownHelpWindow_.get();
    }
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void CalculatorWindow::ShowHelpAt(int line) {
    ShowHelp();
    helpWindow_->ShowLine(line);
}

// F1 in a side window: the help at its paragraph. Qt matches the
// calculator's own F1 from its side windows (their parent) on some
// platforms and not on others; the side windows' own F1 names them.
void CalculatorWindow::ShowHelpFor(const QWidget* window) {
    if (window && window == criticalValues_) return ShowHelpAt(HelpTopicLine(HelpTopic::CriticalValues));
    if (window && window == power_) return ShowHelpAt(HelpTopicLine(HelpTopic::Power));
    if (window && window == tableTest_) return ShowHelpAt(HelpTopicLine(HelpTopic::TableTest));
    if (window && window == variance_) return ShowHelpAt(HelpTopicLine(HelpTopic::Variance));
    ShowHelp();
}

void CalculatorWindow::ShowHelpForActiveWindow() { ShowHelpFor(QApplication::activeWindow()); }

}  // namespace tarvik
