#include "playai/ConditionItems.h"

#include <algorithm>
#include <array>

#include "common/NumberText.h"
#include "playai/Predicates.h"

namespace playai::items {

namespace {

constexpr std::array<std::string_view, 24> kComparableValues = {
    "Round",
    "CardsRemaining",
    "CardsRemainingOther",
    "CardsLeftInMyHand",
    "PointsLeft",
    "Bid",
    "CardsInitiallyInMyHand",
    "CardsLoose",
    "CardsUnknown",
    "CardsBeforeBuyingPartner",
    "CardsBeforeBuyingLeft",
    "CardsBeforeBuyingRight",
    "CardsBeforeBuyingThemMax",
    "TakeablePoints",
    "TakeablePointsInRound",
    "PointsTakenUs",
    "PointsTakenThem",
    "CardsExpectedPartner",
    "CardsExpectedLeft",
    "CardsExpectedRight",
    "CardsExpectedThemMax",
    "CardsExpectedUs",
    "CardsExpectedThem",
    "PointsToKill",
};

// The answer field of a predicate: "YES" asks for it to hold, "NO" for it not to.
bool Answer(RuleRun& run, bool holds) {
    run.Read();
    if (run.field == "YES") {
        return holds;
    }
    return run.field == "NO" && !holds;
}

// PositionInRound, RoleBid, RoleInRound: the value equals one of the words up to "!".
bool WordListItem(RuleRun& run) {
    const std::string_view value = run.values.Latest(run.field).value_or(std::string_view());
    const std::vector<std::string_view> words = run.ReadUpToBang();
    return std::find(words.begin(), words.end(), value) != words.end();
}

// Cold / NotCold: any listed seat is (not) cold.
bool ColdItem(RuleRun& run, bool want_cold) {
    const std::vector<std::string_view> seats = run.ReadUpToBang();
    return std::any_of(seats.begin(), seats.end(), [&](std::string_view seat) {
        return Cold(run.view, RoleOffset(seat)) == want_cold;
    });
}

bool EqualInRankItem(RuleRun& run) {
    run.Read();
    const int a = run.CodeOf(run.field);
    run.Read();
    const int b = run.CodeOf(run.field);
    return Answer(run, EqualInRank(run.view, a, b));
}

bool CompareValuesItem(RuleRun& run) {
    run.Read();
    const float a = run.ValueNumber(run.field);
    run.Read();
    const std::string_view op = run.field;
    run.Read();
    return Compare(a, op, run.ValueNumber(run.field));
}

bool ValueComparisonItem(RuleRun& run) {
    const float value = run.ValueNumber(run.field);
    run.Read();
    const std::string_view op = run.field;
    run.Read();
    return Compare(value, op, static_cast<float>(common::LeadingNumber(run.field)));
}

}  // namespace

std::optional<bool> GameValueItem(RuleRun& run) {
    const std::string_view head = run.field;
    if (head == "PositionInRound" || head == "RoleBid" || head == "RoleInRound") {
        return WordListItem(run);
    }
    if (head == "Cold" || head == "NotCold") {
        return ColdItem(run, head == "Cold");
    }
    if (head == "EqualInRank") {
        return EqualInRankItem(run);
    }
    if (head == "WithoutFivra") {
        run.Read();
        return Answer(run, WithoutFivra(run.view, RoleOffset(run.field)));
    }
    if (const auto holds = NamedPredicate(run.view, head)) {
        return Answer(run, *holds);
    }
    if (head == "CompareValues") {
        return CompareValuesItem(run);
    }
    if (std::find(kComparableValues.begin(), kComparableValues.end(), head) !=
        kComparableValues.end()) {
        return ValueComparisonItem(run);
    }
    return std::nullopt;
}

}  // namespace playai::items
