#pragma once

#include <ostream>
#include <string>

#include "SelfPlay.h"

namespace sim {

// A duplicate match: the rounds are played twice on the same deals (deal n by the same dealer
// from the same deck order), the second time with the teams' policies and rule folders
// swapped, so that the luck of the cards cancels. Figures speak for the policy of --policy-vi.
struct DuplicateSummary {
    SimSummary first;   // the vi policy seated as Vi
    SimSummary second;  // the vi policy seated as De

    // The pooled counts and the paired gain: per deal, the mean over both seatings of the vi
    // policy's score minus the other's, averaged over the deals, with its standard error.
    std::string ToJson(const SimOptions& options) const;
};

DuplicateSummary RunDuplicate(const SimOptions& options, std::ostream& progress);

}  // namespace sim
