#include "table/Clock.h"

#include <algorithm>

namespace table {

namespace {

template <class TimerType>
void TakeEarlier(const TimerType& timer, std::optional<long long>& due) {
    if (timer.Enabled() && (!due || timer.Due() < *due)) {
        due = timer.Due();
    }
}

// Fires the timer once if it is due now; a timer restarted by an earlier one's tick waits for
// its new due time.
template <class TimerType>
void FireIfDue(TimerType& timer, long long now, TableClock::TimerId id,
               const std::function<void(TableClock::TimerId)>& fire) {
    if (timer.Enabled() && timer.Due() <= now) {
        timer.Fired();
        fire(id);
    }
}

}  // namespace

std::optional<long long> TableClock::NextDue() const {
    std::optional<long long> due;
    TakeEarlier(timer1, due);
    TakeEarlier(timer2, due);
    TakeEarlier(timer3, due);
    TakeEarlier(timer_ad, due);
    return due;
}

bool TableClock::Step(long long limit, const std::function<void(TimerId)>& fire) {
    const auto due = NextDue();
    if (!due || *due > limit) {
        return false;
    }
    now_ = std::max(now_, *due);
    FireIfDue(timer1, now_, TimerId::Timer1, fire);
    FireIfDue(timer2, now_, TimerId::Timer2, fire);
    FireIfDue(timer3, now_, TimerId::Timer3, fire);
    FireIfDue(timer_ad, now_, TimerId::TimerAD, fire);
    return true;
}

void TableClock::MoveTo(long long time) {
    now_ = std::max(now_, time);
}

}  // namespace table
