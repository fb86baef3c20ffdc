#include "platform/timer.h"

#include "platform/application.h"

namespace tarvik {

Timer::Timer() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { GuardedDeferred([this] { Fire(); }); });
}

Timer::~Timer() = default;

void Timer::SetInterval(int ms) {
    if (interval_ == ms) return;
    interval_ = ms;
    // A new interval restarts the count (QTimer alone would keep the old
    // deadline until the next start).
    Restart();
}

void Timer::SetEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    Restart();
}

void Timer::Restart() {
    simulatedElapsed_ = 0;
    timer_.stop();
    if (enabled_ && interval_ > 0) timer_.start(interval_);
}

void Timer::Fire() {
    if (OnTimer) OnTimer();
}

void Timer::Advance(int ms) {
    for (int t = 0; t < ms; ++t) {
        if (!enabled_ || interval_ <= 0) return;
        if (++simulatedElapsed_ >= interval_) {
            simulatedElapsed_ = 0;
            Fire();
        }
    }
}

}  // namespace tarvik
