#pragma once
// The calculator window: its controls, start-up handlers and the recompute
// chains behind its fields. The texts of the fields are the state.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "chart/chart.h"
#include "controls/adv_spin.h"
#include "controls/shader.h"
#include "platform/controls_base.h"

namespace tarvik {

class THelpForm;

using TEdit = TCustomMaskEdit;

// A check box whose mouse-up handler runs on the release of any button,
// after the box has toggled itself for a click.
class TCheckBox : public QCheckBox {
public:
    explicit TCheckBox(QWidget* parent = nullptr) : QCheckBox(parent) {}
    std::function<void(QObject* sender, Qt::MouseButton button)> OnMouseUp;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// A transparent label that sizes itself to its caption, as the framework's
// labels do. With `growLeft` the right edge stays put (the caption labels
// end at the field column whatever the font's width).
class TLabel : public QLabel {
public:
    TLabel(const QString& caption, const QRect& designRect, bool growLeft, QWidget* parent);
    void SetCaption(const QString& caption);
    QString Caption() const { return text(); }

private:
    QRect design_;
    bool growLeft_;
};

class TForm1 : public QWidget {
public:
    explicit TForm1(THelpForm* helpForm = nullptr, QWidget* parent = nullptr);

    // Controls, named as in the layout.
    TShader* Shader1;
    TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *PdfLabel;
    TEdit *CdfEdit, *X2ValueEdit, *UpperTailEdit;
    TAdvSpinEdit* dfAdvSpinEdit;
    QPushButton* HelpBitBtn;
    TCheckBox *ValueCheckBox, *CdfCheckBox;
    TChart* Chart1;

    void SetHelpForm(THelpForm* help) { helpForm_ = help; }

    // Start-up.
    void FormShow();
    void FormActivate();

    // Handlers.
    void X2ValueEditKeyPress(QObject* sender, QChar& key);
    void CdfEditKeyPress(QObject* sender, QChar& key);
    void UpperTailEditKeyPress(QObject* sender, QChar& key);
    void X2ValueEditKeyUp(QObject* sender, int& key, Qt::KeyboardModifiers shift);
    void CdfEditKeyUp(QObject* sender, int& key, Qt::KeyboardModifiers shift);
    void UpperTailEditKeyUp(QObject* sender, int& key, Qt::KeyboardModifiers shift);
    void dfAdvSpinEditChange(QObject* sender);
    void dfAdvSpinEditKeyPress(QObject* sender, QChar& key);
    void ValueCheckBoxMouseUp(QObject* sender, Qt::MouseButton button);
    void CdfCheckBoxMouseUp(QObject* sender, Qt::MouseButton button);
    void HelpBitBtnClick();

    // Procedures of the chains.
    void FilterNumericKey(TEdit* field, QChar& key);
    void UpdateFromValue();
    void UpdateFromCdf();
    void UpdatePdf();
    void RedrawChart();

    bool StartValuesWritten() const { return startValuesWritten_; }

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void BuildLayout();
    void ProbabilityChain(TEdit* edited, TEdit* complement);
    void SetFreezeMode(bool valueFrozen);
    THelpForm* helpForm_;
    bool shown_ = false;
    bool startValuesWritten_ = false;
};

}  // namespace tarvik
