#include "playai/Predicates.h"

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

#include "playai/Expectation.h"

namespace playai {

namespace {

int BeforeBuyingThemMax(const PlayView& view) {
    return std::max(view.round.BeforeBuying[view.SeatAt(1)],
                    view.round.BeforeBuying[view.SeatAt(3)]);
}

float ExpectedThemMax(const PlayView& view) {
    return std::max(DynExp(view, view.SeatAt(1)), DynExp(view, view.SeatAt(3)));
}

// Whether an opponent could still be holding a trump in the n-th round of trumps: what it
// kept when buying, plus every loose card.
bool NotSafeTurn(const PlayView& view, int turn) {
    const int loose = CardsLoose(view);
    return view.round.BeforeBuying[view.SeatAt(1)] + loose >= turn ||
           view.round.BeforeBuying[view.SeatAt(3)] + loose >= turn;
}

bool AnyUnplayed(const PlayView& view, std::initializer_list<int> codes) {
    return std::any_of(codes.begin(), codes.end(), [&](int c) { return view.Unplayed(c); });
}

bool EvenDistribution(const PlayView& view) {
    for (int offset = 1; offset < common::kSeats; ++offset) {
        if (DynExp(view, view.SeatAt(offset)) >= 5.0f) {
            return false;
        }
    }
    return true;
}

using Predicate = std::function<bool(const PlayView&)>;

const std::array<std::pair<std::string_view, Predicate>, 18>& PredicateTable() {
    static const std::array<std::pair<std::string_view, Predicate>, 18> table = {{
        {"Last", [](const PlayView& v) { return Last(v); }},
        {"FivraOut",
         [](const PlayView& v) { return InTrick(v, kFivraHigh) || InTrick(v, kFivraLow); }},
        {"TenOut", [](const PlayView& v) { return InTrick(v, kTen); }},
        {"JOut", [](const PlayView& v) { return InTrick(v, kJack); }},
        {"TenJOut", [](const PlayView& v) { return InTrick(v, kTen) || InTrick(v, kJack); }},
        {"UnplayedFivra",
         [](const PlayView& v) {
             return AnyUnplayed(v, {5, 4});
         }},
        {"UnplayedTenJ",
         [](const PlayView& v) {
             return AnyUnplayed(v, {10, 11});
         }},
        {"UnplayedLow",
         [](const PlayView& v) {
             return AnyUnplayed(v, {1, 2, 3});
         }},
        {"EvenDistribution", EvenDistribution},
        {"NotColdFourthTurnThem", [](const PlayView& v) { return BeforeBuyingThemMax(v) >= 4; }},
        {"NotColdFifthTurnThem", [](const PlayView& v) { return BeforeBuyingThemMax(v) >= 5; }},
        {"NotColdSixthTurnThem", [](const PlayView& v) { return BeforeBuyingThemMax(v) >= 6; }},
        {"NotColdFifthTurnThemExpected",
         [](const PlayView& v) { return ExpectedThemMax(v) > 4.0f; }},
        {"NotColdSixthTurnThemExpected",
         [](const PlayView& v) { return ExpectedThemMax(v) > 5.0f; }},
        {"NotSafeFifthTurn", [](const PlayView& v) { return NotSafeTurn(v, 5); }},
        {"SafeFifthTurn", [](const PlayView& v) { return !NotSafeTurn(v, 5); }},
        {"NotSafeSixthTurn", [](const PlayView& v) { return NotSafeTurn(v, 6); }},
        {"SafeSixthTurn", [](const PlayView& v) { return !NotSafeTurn(v, 6); }},
    }};
    return table;
}

}  // namespace

int RoleOffset(std::string_view word) {
    if (word == "LEFT") {
        return 1;
    }
    if (word == "PARTNER") {
        return 2;
    }
    return word == "RIGHT" ? 3 : 0;
}

std::string_view PositionInRound(const PlayView& view) {
    static constexpr std::array<std::string_view, 4> kPositions = {"FIRST", "SECOND", "THIRD",
                                                                   "FOURTH"};
    return kPositions[common::RelativeSeat(view.round.TrickLeader, view.seat)];
}

bool InTrick(const PlayView& view, int code) {
    const auto& trick = view.round.TrickCards;
    return std::find(trick.begin(), trick.end(), code) != trick.end();
}

bool Last(const PlayView& view) {
    const std::string_view position = PositionInRound(view);
    if (position == "FOURTH") {
        return true;
    }
    if (position == "THIRD") {
        return Cold(view, 1);
    }
    return position == "SECOND" && Cold(view, 2) && Cold(view, 1);
}

bool EqualInRank(const PlayView& view, int code_a, int code_b) {
    const int low = std::min(code_a, code_b);
    const int high = std::max(code_a, code_b);
    if (low < 1 || high >= state::kRanks) {
        return false;
    }
    for (int c = low; c <= high; ++c) {
        if (!view.Played(c) && !view.trumps.Holds(c)) {
            return false;
        }
    }
    return true;
}

bool WithoutFivra(const PlayView& view, int offset) {
    return view.memory.NoFivraFlag[view.SeatAt(offset)] != 0;
}

bool Cold(const PlayView& view, int offset) {
    return IsCold(view, view.SeatAt(offset));
}

std::optional<bool> NamedPredicate(const PlayView& view, std::string_view name) {
    for (const auto& [predicate_name, predicate] : PredicateTable()) {
        if (predicate_name == name) {
            return predicate(view);
        }
    }
    return std::nullopt;
}

}  // namespace playai
