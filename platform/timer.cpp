#include "platform/timer.h"

#include "platform/application.h"

namespace tarvik {

TTimer::TTimer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { GuardedDeferred([this] { Fire(); }); });
}

TTimer::~TTimer() = default;

void TTimer::SetInterval(int ms) {
    if (interval_ == ms) return;
    interval_ = ms;
    // A new interval restarts the count (QTimer alone would keep the old
    // deadline until the next start).
    Restart();
}

void TTimer::SetEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    Restart();
}

void TTimer::Restart() {
    simulatedElapsed_ = 0;
    timer_.stop();
    if (enabled_ && interval_ > 0) timer_.start(interval_);
}

void TTimer::Fire() {
    if (OnTimer) OnTimer();
}

void TTimer::Advance(int ms) {
    for (int t = 0; t < ms; ++t) {
        if (!enabled_ || interval_ <= 0) return;
        if (++simulatedElapsed_ >= interval_) {
            simulatedElapsed_ = 0;
            Fire();
        }
    }
}

}  // namespace tarvik
