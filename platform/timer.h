#pragma once
// A timer with a settable interval whose ticks arrive as messages of the UI
// thread. Tests drive it deterministically with Advance() instead of waiting.
#include <QObject>
#include <QTimer>
#include <functional>

namespace tarvik {

class Timer {
public:
    Timer();
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);

    std::function<void()> OnTimer;  // runs guarded when fired by the event loop

    // Simulated time for tests: fires every tick due within `ms`, honouring
    // interval changes made by the ticks themselves. Exceptions propagate.
    void Advance(int ms);

private:
    void Restart();
    void Fire();
    QTimer timer_;
    int interval_ = 1000;
    bool enabled_ = false;
    int simulatedElapsed_ = 0;
};

}  // namespace tarvik
