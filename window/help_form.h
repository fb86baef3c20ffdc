#pragma once
// The help window: a read-only, wrapping text with a vertical scroll bar.
#include <QTextEdit>
#include <QWidget>

namespace tarvik {

class THelpForm : public QWidget {
public:
    explicit THelpForm(QWidget* parent = nullptr);
    QTextEdit* HelpRichEdit;

protected:
    void resizeEvent(QResizeEvent* e) override;
};

}  // namespace tarvik
