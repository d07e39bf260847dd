#pragma once

#include <string>

namespace common {

// A table timer: an interval in milliseconds, an enabled flag and a tag that holds the step it
// waits to perform. Setting the interval or enabling restarts its count, as such timers do.
// Time comes from the clock that owns `now`.
template <class TagType>
class TaggedTimer {
  public:
    TaggedTimer(const long long& now, int interval_ms, bool enabled)
        : now_(now), interval_(interval_ms), enabled_(enabled), due_(now + interval_ms) {}

    int Interval() const { return interval_; }
    void SetInterval(int ms) {
        interval_ = ms < 1 ? 1 : ms;
        Restart();
    }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) {
        enabled_ = on;
        if (on) {
            Restart();
        }
    }
    // The time of the next tick (meaningful while enabled).
    long long Due() const { return due_; }
    // The clock calls this as it delivers a tick.
    void Fired() { due_ = now_ + interval_; }

    TagType Tag{};

  private:
    void Restart() { due_ = now_ + interval_; }

    const long long& now_;
    int interval_;
    bool enabled_;
    long long due_;
};

// The ticker's timer counts its steps in a text tag.
using Timer = TaggedTimer<std::string>;

}  // namespace common
