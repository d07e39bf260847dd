#pragma once

#include <functional>
#include <optional>

#include "common/Timer.h"
#include "table/WaitStep.h"

namespace table {

// The table's time and its four timers. The clock delivers ticks: a virtual clock jumps
// straight to the next due tick, the window's clock follows real time.
class TableClock {
  public:
    enum class TimerId { Timer1, Timer2, Timer3, TimerAD };

    TableClock() = default;
    TableClock(const TableClock&) = delete;
    TableClock& operator=(const TableClock&) = delete;

    // Milliseconds since start-up.
    long long Now() const { return now_; }
    std::optional<long long> NextDue() const;
    // Moves time to the next due tick if it is due by `limit` and fires every timer due then,
    // in the order Timer1, Timer2, Timer3, TimerAD; false when none is due.
    bool Step(long long limit, const std::function<void(TimerId)>& fire);
    // Time moves on to `time` without a tick (never backwards).
    void MoveTo(long long time);

  private:
    long long now_ = 0;

  public:
    StepTimer timer1{now_, 1000, true};
    StepTimer timer2{now_, 180, true};
    StepTimer timer3{now_, 1200, true};
    common::Timer timer_ad{now_, 20, false};
};

}  // namespace table
