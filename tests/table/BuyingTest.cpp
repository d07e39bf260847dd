// The buying after the discard: who buys what, the buy blocks of the game log, surplus trumps
// put out of play and the dealer who finds the deck empty.
#include <gtest/gtest.h>

#include "support/TableRig.h"

namespace table_test {
namespace {

constexpr int kH = common::kHjarter;
constexpr int kK = common::kKlover;
constexpr int kS = common::kSpader;

std::vector<int> Cards(const std::vector<std::string>& faces, int colour) {
    std::vector<int> numbers;
    for (const std::string& face : faces) {
        numbers.push_back(Nr(face, colour));
    }
    return numbers;
}

std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<int> kAllSpader =
    Cards({"A", "2", "3", "4", "6", "7", "8", "9", "10", "J", "Q", "K"}, kS);

// VAST holds exactly six trumps, NORD eight, OST none; SYD deals.
ScriptedRound SurplusScript() {
    ScriptedRound script;
    script.hands[common::kVast] = Cards({"K", "Q", "9", "8", "7", "6"}, kH);
    script.hands[common::kNord] = {
        Nr("A", kH), Nr("J", kH), Nr("10", kH), Nr("5", kH), Nr("5", common::kRuter),
        Nr("4", kH), Nr("3", kH), Nr("2", kH)};
    script.hands[common::kSyd] = Cards({"2", "3", "4"}, kK);
    script.deck = Join(kAllSpader, Cards({"8", "9", "10", "J"}, kK));
    return script;
}

// No non-dealer holds a trump; the two red fives lie on top of the deck for VAST, and the
// deck runs dry before OST has six cards.
ScriptedRound EmptyDeckScript() {
    ScriptedRound script;
    script.hands[common::kSyd] =
        Join(Cards({"A", "K"}, kH), Cards({"2", "3", "4", "6", "7", "8", "9"}, kK));
    script.deck = Join({Nr("5", kH), Nr("5", common::kRuter)}, kAllSpader);
    script.deck.push_back(Nr("10", kK));
    script.deck.push_back(Nr("J", kK));
    return script;
}

TEST(Buying, SixTrumpsOrMoreBuyNothingAndTheSurplusIsKilled) {
    StartedRig rig(RigOptions{});
    ASSERT_TRUE(SetUpAfterDiscard(rig.table, SurplusScript()));
    rig.table.AdvanceMe();
    const state::RoundState& round = rig.table.State();
    EXPECT_EQ(Numbers(round.Hand[common::kVast]), SurplusScript().hands[common::kVast]);
    EXPECT_EQ(Numbers(round.Hand[common::kOst]),
              std::vector<int>(kAllSpader.begin(), kAllSpader.begin() + 6))
        << "OST bought six after VAST, from the top";
    EXPECT_EQ(Numbers(round.Hand[common::kNord]),
              (std::vector<int>{Nr("A", kH), Nr("J", kH), Nr("10", kH), Nr("5", kH),
                                Nr("5", common::kRuter), Nr("2", kH)}))
        << "the three and the four go; point cards and the two stay";
    EXPECT_EQ(Numbers(round.KortKilled), (std::vector<int>{Nr("3", kH), Nr("4", kH)}));
    for (int rang = 0; rang < state::kRanks; ++rang) {
        const bool killed = rang == 2 || rang == 3;
        EXPECT_EQ(round.PlayedTrump[rang], killed ? -1 : 0) << "rank " << rang;
    }
    EXPECT_EQ(std::pair(rig.table.Ctl().LblNotInPlay.Visible, rig.table.Ctl().LblNotInPlay.Caption),
              std::pair(true, rig.table.Texts().not_in_play));
    const auto log = rig.CloseAndReadLog();
    EXPECT_FALSE(Contains(log, "<VAST_KOPER>"));
    EXPECT_EQ(Block(log, "<OST_KOPER>"), std::vector<std::string>{"<END>"})
        << "bought cards that are not trump are not listed";
    EXPECT_EQ(Block(log, "<NORD_KOPER>"), std::vector<std::string>{"<END>"})
        << "a seat with more than six trumps buys nothing";
}

TEST(Buying, KilledCardsCaptionAddressesTheHumanInEachLanguage) {
    ScriptedRound script;
    script.trump = kS;
    script.hands[common::kSyd] = Cards({"A", "K", "Q", "J", "10", "9", "8"}, kS);
    script.hands[common::kNord] = Join(Cards({"2", "3", "4", "6", "7", "5"}, kS), {Nr("5", kK)});
    script.deck = Cards({"A", "2", "3", "4", "6", "7", "8", "9", "10", "J", "Q", "K"}, kK);
    const struct {
        presentation::Language language;
        const char* human;
        const char* partner;
    } cases[] = {
        {presentation::Language::English, "You have more than 6 cards\n",
         "Ned has more than 6 cards\n"},
        {presentation::Language::Svenska, "Du har mera än 6 kort\n", "Nils har mera än 6 kort\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.human);
        StartedRig rig(RigOptions().InLanguage(c.language));
        ASSERT_TRUE(SetUpAfterDiscard(rig.table, script));
        rig.table.AdvanceMe();
        const std::string& caption = rig.table.Ctl().LblKilledCards.Caption;
        EXPECT_NE(caption.find(c.human), std::string::npos) << caption;
        EXPECT_NE(caption.find(c.partner), std::string::npos) << caption;
    }
}

TEST(Buying, DealerFacingAnEmptyDeckMakesUpSixFromHisDiscards) {
    StartedRig rig(RigOptions{});
    ASSERT_TRUE(SetUpAfterDiscard(rig.table, EmptyDeckScript()));
    rig.table.AdvanceMe();
    const state::RoundState& round = rig.table.State();
    EXPECT_EQ(rig.table.Deck().KortIPacken(), 0);
    EXPECT_EQ(round.Hand[common::kOst].AntalKort(), 4) << "the deck ran dry during OST's buying";
    EXPECT_EQ(NumberSet(round.Hand[common::kSyd]),
              (std::set<int>{Nr("A", kH), Nr("K", kH), Nr("2", kK), Nr("3", kK), Nr("4", kK),
                             Nr("6", kK)}))
        << "two trumps and the first four of his own discards";
    EXPECT_EQ(Numbers(round.Bord[common::kSyd]), Cards({"7", "8", "9"}, kK));
    EXPECT_EQ(round.BeforeBuying[common::kSyd], -1);
    EXPECT_EQ(rig.table.Ctl().LblAnnounce.Caption,
              presentation::Announcements(rig.table.Texts(), presentation::BuildLanguage())
                  .DealerFills(common::kSyd, 4))
        << "the filling up is told";
    const auto log = rig.CloseAndReadLog();
    EXPECT_FALSE(Contains(log, "<SYD_KOPER>")) << "a dealer who took nothing writes no block";
    EXPECT_EQ(Block(log, "<VAST_KOPER>"), (std::vector<std::string>{"V", "v", "<END>"}))
        << "bought fives of trump are logged by their trump names";
}

}  // namespace
}  // namespace table_test
