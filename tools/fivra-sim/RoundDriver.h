#pragma once

#include "table/Table.h"

namespace sim {

// Runs the table on its virtual clock to the end of the current round, pressing on through
// the wait after the discards, and leaves it waiting for the click after the round. False
// when the round stalls (no timer would move it on within an hour of game time).
bool PlayUntilRoundEnd(table::Table& table);

}  // namespace sim
