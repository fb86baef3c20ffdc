// The calculator window's layout and start-up.
#include "window/form1.h"

#include <QMouseEvent>
#include <QStyle>

#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/number_text.h"
#include "resources/icon.h"
#include <algorithm>
#include "window/density_chart_config.h"
#include "window/help_form.h"

namespace tarvik {

TLabel::TLabel(const QString& caption, const QRect& designRect, bool growLeft, QWidget* parent)
    : QLabel(parent), design_(designRect), growLeft_(growLeft) {
    setAutoFillBackground(false);  // transparent: its own colour is never painted
    SetCaption(caption);
}

void TLabel::SetCaption(const QString& caption) {
    setText(caption);
    const int w = std::max(design_.width(), fontMetrics().horizontalAdvance(caption) + 2);
    const int left = growLeft_ ? design_.right() + 1 - w : design_.left();
    setGeometry(left, design_.top(), w, design_.height());
}

void TCheckBox::mousePressEvent(QMouseEvent* e) {
    QCheckBox::mousePressEvent(e);
    e->accept();  // every button's release comes back here
}

void TCheckBox::mouseReleaseEvent(QMouseEvent* e) {
    QCheckBox::mouseReleaseEvent(e);  // toggles for a left click inside
    const Qt::MouseButton button = e->button();
    Guarded([&] {
        if (OnMouseUp) OnMouseUp(this, button);
    });
    e->accept();
}

TForm1::TForm1(THelpForm* helpForm, QWidget* parent) : QWidget(parent), helpForm_(helpForm) {
    setWindowTitle(" Zu  Tarvik");
    setWindowIcon(ProgramIcon());
    setFont(FrameworkFont("MS Sans Serif", 11));
    move(189, 184);
    resize(632, 253);
    BuildLayout();
}

void TForm1::BuildLayout() {
    Shader1 = new TShader(this);
    Shader1->SetCaption("Shader1");
    Shader1->SetFromColor(clAqua);
    Shader1->SetToColor(clTeal);
    Shader1->SetSteps(100);
    Shader1->SetDirection(false);
    Shader1->setFont(FrameworkFont("MS Sans Serif", 13));
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
    Chart1->setGeometry(335, 7, 275, 240);
    ConfigureDensityChart(*Chart1);

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
    X2ValueEdit->OnKeyPress = [this](QObject* s, QChar& k) { X2ValueEditKeyPress(s, k); };
    CdfEdit->OnKeyPress = [this](QObject* s, QChar& k) { CdfEditKeyPress(s, k); };
    UpperTailEdit->OnKeyPress = [this](QObject* s, QChar& k) { UpperTailEditKeyPress(s, k); };
    X2ValueEdit->OnKeyUp = [this](QObject* s, int& k, Qt::KeyboardModifiers m) { X2ValueEditKeyUp(s, k, m); };
    CdfEdit->OnKeyUp = [this](QObject* s, int& k, Qt::KeyboardModifiers m) { CdfEditKeyUp(s, k, m); };
    UpperTailEdit->OnKeyUp = [this](QObject* s, int& k, Qt::KeyboardModifiers m) { UpperTailEditKeyUp(s, k, m); };
    dfAdvSpinEdit->OnChange = [this](QObject* s) { dfAdvSpinEditChange(s); };
    dfAdvSpinEdit->OnKeyPress = [this](QObject* s, QChar& k) { dfAdvSpinEditKeyPress(s, k); };
    ValueCheckBox->OnMouseUp = [this](QObject* s, Qt::MouseButton b) { ValueCheckBoxMouseUp(s, b); };
    CdfCheckBox->OnMouseUp = [this](QObject* s, Qt::MouseButton b) { CdfCheckBoxMouseUp(s, b); };
    QObject::connect(HelpBitBtn, &QPushButton::clicked, this, [this] { Guarded([this] { HelpBitBtnClick(); }); });
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Shader1->setGeometry(rect());  // the panel follows the client area
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
    RedrawChart();  // from the layout's texts: cdf 0, value 0, df 1
}

void TForm1::FormActivate() {
    // Only the first activation writes the start values: coming back from
    // the help window must not wipe what the user typed and leave fields
    // that contradict the df, the density and the chart.
    if (startValuesWritten_) return;
    startValuesWritten_ = true;
    X2ValueEdit->setText(QString::fromStdString(FormatGeneral(3.841459L)));
    CdfEdit->setText(QString::fromStdString(FormatGeneral(0.95L)));
    UpperTailEdit->setText(QString::fromStdString(FormatGeneral(0.05L)));
    // The first picture agrees with the fields (df 1, marker at 3.841459).
    RedrawChart();
}

void TForm1::HelpBitBtnClick() {
    if (!helpForm_) return;
    helpForm_->show();
    helpForm_->raise();
    helpForm_->activateWindow();
}

}  // namespace tarvik
