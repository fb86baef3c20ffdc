#pragma once
// The help window: a read-only, wrapping text with a vertical scroll bar.
#include <QCoreApplication>
#include <QTextEdit>
#include <QWidget>

namespace tarvik {

class HelpWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(HelpWindow)

public:
    explicit HelpWindow(QWidget* parent = nullptr);
    QTextEdit* helpText;
    // Scrolls the text so that paragraph `line` stands at the top.
    void ShowLine(int line);

protected:
    void resizeEvent(QResizeEvent* e) override;
};

}  // namespace tarvik
