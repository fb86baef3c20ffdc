#include "platform/process_signals.h"

#include <QCoreApplication>
#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace tarvik {

#ifdef Q_OS_UNIX
namespace {
int gSignalPair[2] = {-1, -1};

// Only async-signal-safe work here: one byte down the pair; the event loop
// reads it and quits.
extern "C" void OnTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gSignalPair[0], &byte, 1);
}
}  // namespace

void QuitOnTerminationRequest() {
    auto* app = QCoreApplication::instance();
    if (!app || gSignalPair[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gSignalPair) != 0) return;
    auto* notifier = new QSocketNotifier(gSignalPair[1], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [notifier] {
        notifier->setEnabled(false);
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(gSignalPair[1], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
}
#else
void QuitOnTerminationRequest() {}
#endif

namespace {
QtMessageHandler gPrevious = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    if (gPrevious)
        gPrevious(type, context, text);
    else
        qt_message_output(type, context, text);
}
}  // namespace

void SilenceRuntimeDirectoryWarning() {
    static const bool installed = [] {
        gPrevious = qInstallMessageHandler(QuietHandler);
        return true;
    }();
    (void)installed;
}

}  // namespace tarvik
