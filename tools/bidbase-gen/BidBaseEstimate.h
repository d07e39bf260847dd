#pragma once

#include <array>
#include <vector>

#include "bidai/BidBaseRecord.h"

namespace bidbase_gen {

// A quick estimate of a colour's worth as trump from the rank values of the cards held in it
// (six at most): the high cards, the fivras and the point cards count most, length helps.
// The team's points in a round are taken as spread around that worth; P and EA per bid level
// and EaUH per relative seat follow from the spread and the scoring of a round.
bidai::BidRecord EstimateRecord(const std::vector<int>& ranks);

}  // namespace bidbase_gen
