#include "playai/GameValues.h"

#include <algorithm>

#include "common/NumberText.h"
#include "playai/Expectation.h"
#include "playai/Predicates.h"

namespace playai {

namespace {

int CountRanks(const PlayView& view, bool include_held) {
    int n = 0;
    for (int c = 1; c < state::kRanks; ++c) {
        if (!view.Played(c) && (include_held || !view.trumps.Holds(c))) {
            ++n;
        }
    }
    return n;
}

int HighestInTrick(const PlayView& view) {
    const auto& trick = view.round.TrickCards;
    return *std::max_element(trick.begin(), trick.end());
}

// The card a seat played in the previous trick; nothing in trick 1.
std::string PreviousCard(const PlayView& view, int offset) {
    const int previous = view.round.Round - 1;
    if (previous < 1 || previous >= state::kTricks) {
        return {};
    }
    return CardText(view.round.TrickHistory[previous][view.SeatAt(offset)]);
}

std::string PreviousHigh(const PlayView& view, int which) {
    const int previous = view.round.Round - 1;
    if (previous < 1 || previous >= state::kTricks) {
        return {};
    }
    return view.memory.TrickHighHistory[previous][which];
}

int TakeablePointsInRound(const PlayView& view) {
    int points = 0;
    for (const int code : view.round.TrickCards) {
        points += CapturablePoints(code);
    }
    return points;
}

// Points lying in the trick from the left, right and partner seats, counted only when the
// trick is sure to go where `sure` says.
int SureTrickPoints(const PlayView& view, bool sure) {
    if (!sure) {
        return 0;
    }
    return CapturablePoints(view.TrickCard(1)) + CapturablePoints(view.TrickCard(2)) +
           CapturablePoints(view.TrickCard(3));
}

bool IsAceOrTwo(int code) {
    return code == kAce || code == kTwo;
}

int PointsToKillBidding(const PlayView& view, int bid, int highest) {
    const int left = view.TrickCard(1);
    const int right = view.TrickCard(3);
    const int a = (IsAceOrTwo(left) ? 1 : 0) + (IsAceOrTwo(right) ? 1 : 0);
    const bool them_high = highest > 0 && (left == highest || right == highest);
    return kTrumpCardsInRound - bid - view.round.PointsThem(view.seat) - a -
           SureTrickPoints(view, them_high);
}

int PointsToKillDefending(const PlayView& view, int bid, int highest) {
    const int partner = view.TrickCard(2);
    const int a = IsAceOrTwo(partner) ? 1 : 0;
    const bool partner_high =
        highest > 0 && (partner == highest ||
                        (view.trumps.Holds(highest) && partner > 0 &&
                         EqualInRank(view, partner, highest) && partner == HighestInTrick(view)));
    const int h = (view.trumps.Holds(kAce) ? 1 : 0) + (view.trumps.Holds(kTwo) ? 1 : 0);
    const int j = IsTenOrJack(highest) && view.trumps.Holds(highest) ? 1 : 0;
    return kTrumpCardsInRound - bid - view.round.PointsUs(view.seat) - a -
           SureTrickPoints(view, partner_high) - h - j;
}

std::string Text(int n) {
    return common::NumberText(n);
}
std::string Text(float f) {
    return common::NumberText(f);
}

}  // namespace

std::string CardText(int code) {
    const auto name = common::TrumpCardName(code);
    return name ? std::string(*name) : std::string();
}

bool OnBiddingSide(const PlayView& view) {
    const int relative = common::RelativeSeat(view.round.gbBjuditHogst, view.seat);
    return relative == 0 || relative == 2;
}

int TakeablePoints(const PlayView& view) {
    int points = view.round.PointsLeft;
    for (int i = 1; i <= view.trumps.count; ++i) {
        points -= CapturablePoints(view.trumps.slot[i]);
    }
    return points;
}

int PointsToKill(const PlayView& view) {
    const int bid = view.round.gbHogstaBudet;
    const int highest = view.round.HighestUnplayed;
    return OnBiddingSide(view) ? PointsToKillBidding(view, bid, highest)
                               : PointsToKillDefending(view, bid, highest);
}

std::string RoleInRound(const PlayView& view) {
    int leader = view.round.TrickLeader;
    for (int step = 0; step < 3 && view.round.ColdFlag[leader] != 0; ++step) {
        leader = common::NextSeat(leader);
    }
    switch (common::RelativeSeat(view.seat, leader)) {
        case 0:
            return "LEAD";
        case 1:
            return "B_BLOCK";
        case 2:
            return "RESPONSE";
        default:
            return "A_BLOCK";
    }
}

std::vector<GameValue> ComputeGameValues(const PlayView& view) {
    const state::RoundState& r = view.round;
    const int partner = view.SeatAt(2);
    const int left = view.SeatAt(1);
    const int right = view.SeatAt(3);
    const float exp_partner = DynExp(view, partner);
    const float exp_left = DynExp(view, left);
    const float exp_right = DynExp(view, right);
    return {
        {"Round", Text(r.Round)},
        {"CardsRemaining", Text(CountRanks(view, true))},
        {"CardsLeftInMyHand", Text(view.trumps.count)},
        {"PointsLeft", Text(r.PointsLeft)},
        {"PositionInRound", std::string(PositionInRound(view))},
        {"Bid", Text(r.gbHogstaBudet)},
        {"RoleBid", state::RoleBid(view.seat, r.gbBjuditHogst)},
        {"CardHighestMy", CardText(view.trumps.Highest())},
        {"CardHighestAbsolute", CardText(r.HighestUnplayed)},
        {"CardHighestRound", CardText(HighestInTrick(view))},
        {"CardLeft", CardText(r.TrickCards[left])},
        {"CardRight", CardText(r.TrickCards[right])},
        {"CardPartner", CardText(r.TrickCards[partner])},
        {"CardsInitiallyInMyHand", Text(common::RoundToInt(view.memory.JagSer[view.seat]))},
        {"RoleInRound", RoleInRound(view)},
        {"CardsBeforeBuyingPartner", Text(r.BeforeBuying[partner])},
        {"CardsBeforeBuyingLeft", Text(r.BeforeBuying[left])},
        {"CardsBeforeBuyingRight", Text(r.BeforeBuying[right])},
        {"CardsExpectedPartner", Text(exp_partner)},
        {"CardsExpectedLeft", Text(exp_left)},
        {"CardsExpectedRight", Text(exp_right)},
        {"CardsExpectedUs", Text(exp_partner + view.memory.JagSer[view.seat])},
        {"CardsExpectedThem", Text(exp_left + exp_right)},
        {"CardsLoose", Text(CardsLoose(view))},
        {"CardsUnknown", Text(CardsUnknown(view))},
        {"PreviousCardPartner", PreviousCard(view, 2)},
        {"PreviousCardLeft", PreviousCard(view, 1)},
        {"PreviousCardRight", PreviousCard(view, 3)},
        {"PreviousCardMe", PreviousCard(view, 0)},
        {"PreviousCardHighestRound", PreviousHigh(view, 0)},
        {"PreviousCardHighestAbsolute", PreviousHigh(view, 1)},
        {"TakeablePoints", Text(TakeablePoints(view))},
        {"TakeablePointsInRound", Text(TakeablePointsInRound(view))},
        {"PointsTakenUs", Text(r.PointsUs(view.seat))},
        {"PointsTakenThem", Text(r.PointsThem(view.seat))},
        {"CardsExpectedThemMax", Text(std::max(exp_left, exp_right))},
        {"CardsBeforeBuyingThemMax", Text(std::max(r.BeforeBuying[left], r.BeforeBuying[right]))},
        {"CardsRemainingOther", Text(CountRanks(view, false))},
        {"PointsToKill", Text(PointsToKill(view))},
    };
}

}  // namespace playai
