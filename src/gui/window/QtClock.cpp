#include "gui/window/QtClock.h"

#include <algorithm>
#include <cmath>

#include "gui/dialogs/QtDialogs.h"

namespace gui {

namespace {

// More ticks than this in one go means the machine stalled; the rest waits for the next turn
// of the event loop so that the window stays responsive.
constexpr int kMaxTicksPerTurn = 200;

}  // namespace

QtClock::QtClock(table::Table& table, double speed, std::function<void()> after_tick,
                 std::function<long long()> real_ms)
    : table_(table),
      speed_(speed > 0 ? speed : 1.0),
      after_tick_(std::move(after_tick)),
      real_ms_(std::move(real_ms)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { OnTimeout(); });
    real_.start();
    Rebase();
}

void QtClock::HoldWhileBusy(QtDialogs& dialogs) {
    dialogs_ = &dialogs;
    dialogs.on_all_closed = [this] {
        Rebase();
        Reschedule();
    };
}

bool QtClock::Holding() const {
    return dialogs_ != nullptr && dialogs_->Busy();
}

long long QtClock::RealMs() const {
    return real_ms_ ? real_ms_() : real_.elapsed();
}

void QtClock::Rebase() {
    base_real_ms_ = RealMs();
    base_table_ms_ = table_.Now();
}

void QtClock::SetSpeed(double speed) {
    if (speed > 0 && speed != speed_) {
        base_table_ms_ = TableTimeNow();
        base_real_ms_ = RealMs();
        speed_ = speed;
        Reschedule();
    }
}

int QtClock::PlannedWaitMs() const {
    return timer_.isActive() ? timer_.interval() : -1;
}

long long QtClock::TableTimeNow() const {
    const double elapsed = static_cast<double>(RealMs() - base_real_ms_);
    return base_table_ms_ + static_cast<long long>(std::floor(elapsed * speed_));
}

void QtClock::Reschedule() {
    if (Holding()) {
        timer_.stop();
        return;
    }
    const auto due = table_.NextDue();
    if (!due) {
        timer_.stop();
        return;
    }
    const double wait = static_cast<double>(*due - TableTimeNow()) / speed_;
    timer_.start(static_cast<int>(std::clamp(std::ceil(wait), 0.0, 3600000.0)));
}

void QtClock::OnTimeout() {
    // A tick can open a message box whose event loop would deliver the next timeout into the
    // middle of this one; the guard and the hold keep the table out of that.
    if (stepping_ || Holding()) {
        return;
    }
    stepping_ = true;
    const long long now = TableTimeNow();
    for (int i = 0; i < kMaxTicksPerTurn && !Holding() && table_.StepClock(now); ++i) {
    }
    stepping_ = false;
    if (after_tick_) {
        after_tick_();
    }
    Reschedule();
}

}  // namespace gui
