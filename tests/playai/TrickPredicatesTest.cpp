// The card-tracking predicates that rules test: whether a group of cards is still out, and
// whether the other seats' trumps are spread evenly.
#include <tuple>
#include <vector>

#include "PlayTable.h"
#include "playai/Predicates.h"

namespace playai::test {
namespace {

TEST(TrickPredicates, AGroupIsUnplayedWhileAnyOfItsCardsIsOut) {
    const std::vector<std::tuple<const char*, std::vector<int>, bool>> cases = {
        {"UnplayedFivra", {4}, true},     {"UnplayedFivra", {4, 5}, false},
        {"UnplayedTenJ", {10, 12}, true}, {"UnplayedTenJ", {10, 11}, false},
        {"UnplayedLow", {1, 2}, true},    {"UnplayedLow", {1, 2, 3}, false}};
    for (const auto& [name, played, expected] : cases) {
        PlayTable t;
        for (const int code : played) {
            t.round.PlayedTrump[code] = -1;
        }
        const TrumpSlots trumps;
        EXPECT_EQ(NamedPredicate(PlayView{t.round, t.engine.Memory(), 0, trumps}, name), expected)
            << name << " after " << played.size() << " played";
    }
}

TEST(TrickPredicates, AnEvenSpreadEndsWhenAnotherSeatIsExpectedToHoldFive) {
    PlayTable t;
    t.round.ColdFlag = {0, -1, -1, -1};  // what the others hold is known
    const TrumpSlots trumps;
    const PlayView view{t.round, t.engine.Memory(), 0, trumps};
    t.engine.Memory().AndraSer = {6, 4, 4, 4};
    EXPECT_EQ(NamedPredicate(view, "EvenDistribution"), true);
    t.engine.Memory().AndraSer = {6, 4, 5, 4};
    EXPECT_EQ(NamedPredicate(view, "EvenDistribution"), false);
}

}  // namespace
}  // namespace playai::test
