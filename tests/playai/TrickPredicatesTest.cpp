// The card-tracking predicates that rules test: which cards are still out, and whether the
// other seats' trumps are spread evenly.
#include <vector>

#include "PlayTable.h"
#include "playai/Predicates.h"

namespace playai::test {
namespace {

TEST(TrickPredicates, UnplayedHoldsWhileAnyCardOfTheGroupIsOut) {
    struct Case {
        const char* name;
        std::vector<int> played;
        bool expected;
    };
    const Case cases[] = {
        {"UnplayedFivra", {4}, true},         {"UnplayedFivra", {5}, true},
        {"UnplayedFivra", {4, 5}, false},     {"UnplayedTenJ", {10, 12}, true},
        {"UnplayedTenJ", {11}, true},         {"UnplayedTenJ", {10, 11}, false},
        {"UnplayedLow", {1, 2}, true},        {"UnplayedLow", {2, 3}, true},
        {"UnplayedLow", {1, 2, 3, 4}, false},
    };
    for (const Case& c : cases) {
        PlayTable t;
        for (const int code : c.played) {
            t.round.PlayedTrump[code] = -1;
        }
        const TrumpSlots trumps;
        const PlayView view{t.round, t.engine.Memory(), 0, trumps};
        EXPECT_EQ(NamedPredicate(view, c.name), c.expected) << c.name << " " << c.played.size();
    }
}

TEST(TrickPredicates, EvenDistributionFailsOnceAnotherSeatExpectsFive) {
    PlayTable t;
    t.round.ColdFlag = {0, -1, -1, -1};  // what the others hold is known
    PlayMemory& memory = t.engine.Memory();
    const TrumpSlots trumps;
    const PlayView view{t.round, memory, 0, trumps};
    memory.AndraSer = {6, 4, 4, 4};
    EXPECT_EQ(NamedPredicate(view, "EvenDistribution"), true);
    memory.AndraSer = {6, 4, 5, 4};
    EXPECT_EQ(NamedPredicate(view, "EvenDistribution"), false);
}

}  // namespace
}  // namespace playai::test
