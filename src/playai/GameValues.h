#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "playai/PlayMemory.h"

namespace playai {

inline constexpr int kGameValueCount = 39;

struct GameValue {
    std::string_view name;  // a fixed word of the rule language
    std::string value;
};

// The 39 named game values of the deciding seat, in table order (index 0 `Round` to index 38
// `PointsToKill`). A pure function of the round, the memory and the seat's trump cards.
std::vector<GameValue> ComputeGameValues(const PlayView& view);

// The card name of a rank code; empty for 0 and anything outside the trump ranks.
std::string CardText(int code);
// "BIDDER"/"BIDRESPONSE" are the bidding side.
bool OnBiddingSide(const PlayView& view);
// Points of the round I can still hope to take: the points left less those in my own hand.
int TakeablePoints(const PlayView& view);
// The points that may still go astray before the bid is decided, seen from my side.
int PointsToKill(const PlayView& view);
// "LEAD", "A_BLOCK", "RESPONSE" or "B_BLOCK": relative to the first seat from the trick's
// leader that has not laid its hand down.
std::string RoleInRound(const PlayView& view);

}  // namespace playai
