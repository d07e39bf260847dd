#include "RoundDriver.h"

namespace sim {

namespace {

// A round that has not reached its end after this much game time has stalled.
constexpr long long kStallMs = 60LL * 60 * 1000;

}  // namespace

bool PlayUntilRoundEnd(table::Table& table, const std::function<void()>& between_steps) {
    while (true) {
        const long long start = table.Now();
        while (!table.WaitsForClick()) {
            if (between_steps) {
                between_steps();
            }
            if (!table.StepClock(start + kStallMs)) {
                return false;
            }
        }
        if (table.Timer1().Tag != table::WaitStep::WaitToBuy) {
            return true;
        }
        table.AdvanceMe();
    }
}

}  // namespace sim
