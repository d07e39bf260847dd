#pragma once

#include <functional>

#include "table/Table.h"

namespace sim {

// Runs the table on its virtual clock to the end of the current round, pressing on through
// the wait after the discards, and leaves it waiting for the click after the round. False
// when the round stalls (no timer would move it on within an hour of game time).
// `between_steps`, when given, runs before every step of the clock.
bool PlayUntilRoundEnd(table::Table& table, const std::function<void()>& between_steps = {});

}  // namespace sim
