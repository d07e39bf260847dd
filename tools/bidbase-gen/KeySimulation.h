#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Holdings.h"
#include "bidai/BidBaseRecord.h"

namespace bidbase_gen {

struct SimulationSetup {
    std::string folder;         // program folder of the table: rule files, and its game log
    std::uint64_t seed = 1;     // with the key, decides every deal and every chance of the rules
    int deals = 400;            // rounds with the key's seat as the bidder
    int deals_per_other = 100;  // rounds with each other seat as the bidder, for EaUH
    int play_bid = 7;           // the bid the rounds are played at
};

struct KeyOutcome {
    bidai::BidRecord record;
    // Standard error of EA over the bids 6 to 10, the largest of them.
    double ea_stderr = 0.0;
    int rounds = 0;
    std::vector<std::string> problems;  // messages of the table and stalled rounds
};

// Plays rounds in which one seat holds one of the key's holdings in a colour, that colour is
// trump and a chosen seat is the bidder; everything else is dealt at random and the cards are
// played by the rule files of the folder through the game's table. See main.cpp for what the
// numbers mean.
KeyOutcome SimulateKey(const KeyHoldings& key, const SimulationSetup& setup);

// The seed of one key's rounds: the run's seed mixed with the key, so each key can be run
// again on its own.
std::uint64_t KeySeed(std::uint64_t seed, const std::string& tag, const std::string& key);

}  // namespace bidbase_gen
