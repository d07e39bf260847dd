#include <gtest/gtest.h>

#include "bidai/HoldingKey.h"

namespace {

using bidai::MakeHoldingKey;

struct KeyCase {
    std::vector<int> ranks;  // rank values in hand order
    const char* key;
    const char* log_key;  // nullptr: the key itself
    const char* tag;
    const char* what;
};

TEST(HoldingKey, CapsCollapsesMiddleCardsAndTags) {
    const std::vector<KeyCase> cases = {
        {{}, "[_]", nullptr, "<0>", "empty colour"},
        {{14, 13, 12, 11, 10, 9, 8, 7, 1}, "[_A_K_Q_J_10_2_]", nullptr, "<6>", "nine drop 7 8 9"},
        {{14, 9, 2, 1}, "[_A_M_3_2_]", nullptr, "<4>", "one middle card, the 3 kept"},
        {{13, 8, 6, 3, 2}, "[_K_]", "[_K_M_M_M_M_]", "<5_4>", "five: 4 and 3 are middle"},
        {{1, 5, 9, 13, 14}, "[_A_K_M_V_2_]", nullptr, "<5>", "five with one middle card"},
        {{5, 4, 1, 10, 11, 2, 3}, "[_J_10_M_V_v_2_]", nullptr, "<6>", "seven drop the 3 first"},
        {{9, 8, 7, 6, 3, 2}, "[_]", "[_M_M_M_M_M_M_]", "<6_6>", "six low cards are middle"},
        {{9, 3, 2}, "[_9_4_3_]", nullptr, "<3>", "three low cards"},
        {{14, 9, 6, 5}, "[_A_V_]", "[_A_M_M_V_]", "<4_2>", "two middle cards in four"},
    };
    for (const KeyCase& c : cases) {
        const bidai::HoldingKey holding = MakeHoldingKey(c.ranks);
        EXPECT_EQ(holding.key, c.key) << c.what;
        EXPECT_EQ(holding.log_key, c.log_key != nullptr ? c.log_key : c.key) << c.what;
        EXPECT_EQ(holding.tag, c.tag) << c.what;
        EXPECT_TRUE(holding.unknown_ranks.empty()) << c.what;
    }
}

TEST(HoldingKey, HandOrderDoesNotMatterAndOddRanksAreReported) {
    EXPECT_EQ(MakeHoldingKey({1, 14, 5}).key, MakeHoldingKey({5, 1, 14}).key);
    const bidai::HoldingKey odd = MakeHoldingKey({14, 15, -1});
    EXPECT_EQ(odd.unknown_ranks, (std::vector<int>{15, -1}));
    EXPECT_EQ(odd.key, "[_A_]") << "ranks outside 1..14 have no letter";
}

}  // namespace
