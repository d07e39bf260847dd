#pragma once

#include <string>
#include <vector>

#include "table/Table.h"

namespace sim {

// What the checks remember of the game between rounds.
struct GameTrack {
    int vi_before = 0;  // totals before the round
    int de_before = 0;
    int previous_dealer = -1;
};

// The rules of a finished round, checked on the table while it waits for the click after the
// round. Each broken rule gives one line; an empty list means the round kept every rule.
std::vector<std::string> CheckFinishedRound(const table::Table& table, const GameTrack& track,
                                            bool replayed);

// Points the round gave each side before the bid check.
int TrickPointsVi(const state::RoundState& round);
int TrickPointsDe(const state::RoundState& round);

}  // namespace sim
