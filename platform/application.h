#pragma once
// The application object: title, the one place where exceptions leaving our
// handlers are shown, the standard beep, and start-up settings.
#include <QApplication>
#include <QString>
#include <exception>
#include <functional>
#include <stdexcept>
#include <utility>

namespace tarvik {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    ~Application() override;

    QString Title() const { return title_; }
    void SetTitle(const QString& title);

    // Modal message box with the error icon, Title() as caption and the
    // message (full stop rule applied). Tests install a sink instead of the
    // modal loop; the sink receives caption and text.
    void ShowException(const std::exception& e);
    // The same for a notice: the information icon, the text as it is.
    void ShowNotice(const QString& text);
    std::function<void(const QString& caption, const QString& text)> MessageSink;
    // Tests answer the window's yes-or-no questions here (the question's
    // subject in, the answer out) instead of a modal box.
    std::function<bool(const QString& subject)> QuestionSink;

private:
    QString title_;
};

// The running application object, or nullptr.
Application* CurrentApplication();

// The message as the box shows it: a full stop is appended when the last
// character sorts after the full stop (a letter or a digit does).
QString MessageWithFullStop(const QString& message);

// The standard beep; counted, so tests can observe it.
void Beep();
int BeepCount();

// Runs f; an exception that leaves it goes to `report` and no further
// (never through a Qt frame).
template <typename Report, typename F>
void GuardedBy(Report report, F&& f) noexcept {
    try {
        f();
    } catch (const std::exception& e) {
        report(e);
    } catch (...) {
        report(std::runtime_error("Unknown exception"));
    }
}

// Runs a handler of ours; a fault is shown by the application object.
void ReportException(const std::exception& e);
template <typename F>
void Guarded(F&& f) noexcept {
    GuardedBy(ReportException, std::forward<F>(f));
}

// Connects a signal to a handler of ours that runs inside the guard: a fault
// there is reported and never unwinds through the signal's Qt frames. The
// handler takes the signal's arguments (references stay references, so a
// handler may replace a typed character).
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection ConnectGuarded(const Sender* sender, Signal signal, const QObject* context, Handler handler) {
    return QObject::connect(sender, signal, context, [handler = std::move(handler)](auto&&... args) mutable {
        Guarded([&] { handler(std::forward<decltype(args)>(args)...); });
    });
}

// Runs a paint or timer handler of ours. A fault there is reported once the
// current event has finished, through a queued call: a modal box opened
// inside painting or a timer tick runs a nested event loop that paints and
// ticks again, on the half-done state of the first.
void ReportExceptionLater(const std::exception& e);
template <typename F>
void GuardedDeferred(F&& f) noexcept {
    GuardedBy(ReportExceptionLater, std::forward<F>(f));
}

// Whether arrows are painted through the style (the visual-styles path) or
// in the classic way; decided once at start-up (TARVIK_CLASSIC_LOOK=1 turns
// the styles path off). Tests may switch it.
bool VisualStylesActive();
void SetVisualStylesActive(bool on);

// Reads the locale's separators into the current format settings.
void LoadFormatSettingsFromLocale();

}  // namespace tarvik
