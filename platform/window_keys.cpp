#include "platform/window_keys.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QWidget>

namespace tarvik {

namespace {

// Sees the key presses sent to the window and those its children let
// through (Qt passes an ignored key event on to the parent).
class EscapeCloses : public QObject {
public:
    explicit EscapeCloses(QWidget& window) : QObject(&window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                window_.close();
                return true;
            }
        }
        return false;
    }

private:
    QWidget& window_;
};

}  // namespace

void CloseOnEscape(QWidget& window) {
    window.installEventFilter(new EscapeCloses(window));
    QObject::connect(new QShortcut(QKeySequence::Close, &window), &QShortcut::activated, &window, &QWidget::close);
}

}  // namespace tarvik
