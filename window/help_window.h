#pragma once
// The help window: a read-only, wrapping text with a vertical scroll bar.
#include <QTextEdit>
#include <QWidget>

namespace tarvik {

class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    QTextEdit* helpText;

protected:
    void resizeEvent(QResizeEvent* e) override;
};

}  // namespace tarvik
