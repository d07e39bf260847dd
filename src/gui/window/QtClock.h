#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

#include "table/Table.h"

namespace gui {

class QtDialogs;

// Drives the table's clock in real time: one single-shot timer set to the table's next due
// tick. Table time runs `speed` times faster than real time. While a modal dialog is open
// the clock holds, and table time goes on from where it stood when the dialog closes.
class QtClock {
  public:
    // `real_ms` gives real time in milliseconds; by default a monotonic clock (tests give
    // their own).
    QtClock(table::Table& table, double speed, std::function<void()> after_tick,
            std::function<long long()> real_ms = {});

    // The source of the hold; its closing resumes the clock.
    void HoldWhileBusy(QtDialogs& dialogs);
    // Re-reads the table's next due tick; call after every input that may have changed a
    // timer.
    void Reschedule();
    // Table time runs `speed` times faster than real time from now on.
    void SetSpeed(double speed);
    // The real milliseconds the clock now waits for the table's next due tick; -1 when it
    // waits for nothing.
    int PlannedWaitMs() const;
    // Table time that corresponds to real time now.
    long long TableTimeNow() const;

    bool Holding() const;
    double Speed() const { return speed_; }
    // Table time goes on from where the table stands now (a kept round brought back at start
    // moves the table's time on at once).
    void Rebase();

  private:
    void OnTimeout();

    table::Table& table_;
    double speed_;
    std::function<void()> after_tick_;
    QtDialogs* dialogs_ = nullptr;
    QTimer timer_;
    long long RealMs() const;

    QElapsedTimer real_;
    std::function<long long()> real_ms_;
    long long base_real_ms_ = 0;
    long long base_table_ms_ = 0;
    bool stepping_ = false;
};

}  // namespace gui
