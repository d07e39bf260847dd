#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bidai/BidFileError.h"

namespace bidai {

// What a run of the bid rules leaves for the bidding decision.
struct RuleOutcome {
    std::string outcome = "PASS";  // "BID", "EA" or "PASS"; "ERROR" when the file is unusable
    int Bid = 0;
    float threshold = 1.0f;  // the EA threshold of an "EA" outcome
    std::string fired_rule;  // name of the rule whose alternative was taken
    std::optional<BidFileError> error;
    std::vector<BidFileNote> notes;     // fields read past, for the game log
    std::vector<std::string> messages;  // shown to the player as the run goes on
};

}  // namespace bidai
