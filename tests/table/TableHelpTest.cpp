// What the table tells a new player: the announcements at their moments, the trick on show
// and who took it, the reason a card cannot be played, and play from the keyboard.
#include <gtest/gtest.h>

#include <functional>

#include "presentation/HandGeometry.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

constexpr int kH = common::kHjarter;
constexpr int kK = common::kKlover;

presentation::Announcements Expected(const table::Table& table) {
    return presentation::Announcements(table.Texts(), presentation::BuildLanguage());
}

const std::string& Announced(const TableRig& rig) {
    return rig.table.Ctl().LblAnnounce.Caption;
}

TEST(Announcements, AHandLaidDownIsToldOnlyWhileOthersPlayOn) {
    StartedRig rig(RigOptions().PlayRules(kPlayFirstTrump));
    ScriptedRound script = DeTakesSixViTwo(6, 0, 0);
    script.hands[common::kOst] = {Nr("9", kK)};  // OST holds no trump at all
    ASSERT_TRUE(StartPlayFrom(rig.table, script));
    const state::RoundState& round = rig.table.State();
    ASSERT_TRUE(rig.RunUntil([&] { return round.ColdFlag[common::kOst] == -1; }));
    EXPECT_EQ(Announced(rig), Expected(rig.table).LaysDown(common::kOst));

    ASSERT_TRUE(rig.RunUntil([&] {
        for (const int seat : {common::kSyd, common::kVast, common::kNord}) {
            EXPECT_NE(Announced(rig), Expected(rig.table).LaysDown(seat))
                << "at the round's end every hand runs out at once; nobody is named";
        }
        return rig.table.Timer1().Tag == table::WaitStep::RoundOver;
    }));
}

TEST(Announcements, TheRoundsResultAndTheGameWonAreToldWithTheirFigures) {
    const struct {
        int bid, vi, de;
        const char* word;  // in the Swedish result
    } cases[] = {{6, 0, 0, "precis"}, {7, 0, 0, "för lite"}, {6, 30, 58, "vann"}};
    for (const auto& c : cases) {
        SCOPED_TRACE("bid " + std::to_string(c.bid) + ", De before " + std::to_string(c.de));
        StartedRig rig(RigOptions().PlayRules(kPlayFirstTrump));
        ASSERT_TRUE(StartPlayFrom(rig.table, DeTakesSixViTwo(c.bid, c.vi, c.de)));
        ASSERT_TRUE(rig.RunToStep(table::WaitStep::RoundOver));
        const bool won = c.de + 6 > 61;
        EXPECT_EQ(Announced(rig), won ? Expected(rig.table).GameWon(false, c.vi + 2, c.de + 6)
                                      : Expected(rig.table).RoundResult(false, c.bid, 6));
        EXPECT_EQ(rig.settings.RegReadSetting("user", "Resume", "Game", "?") == " ", won)
            << "a game on keeps its record, a finished one leaves none";
        if (presentation::BuildLanguage() == presentation::Language::Svenska) {
            EXPECT_NE(Announced(rig).find(c.word), std::string::npos) << Announced(rig);
        }
    }
    const presentation::Texts en = presentation::LoadTexts(presentation::Language::English);
    const presentation::Announcements english(en, presentation::Language::English);
    EXPECT_EQ(english.RoundResult(true, 9, 7), "We went down in 9: 7 points, 2 short.");
    EXPECT_EQ(english.RoundResult(false, 8, 11), "They made the bid of 8: 11 points, 3 over.");
    EXPECT_EQ(english.GameWon(true, 64, 40), "We won the game! Final score 64 : 40.");
}

TEST(TrickOnShow, TheLiveTrickAndWhoTookTheLastOneAreOnShow) {
    StartedRig rig(RigOptions().PlayRules(kPlayFirstTrump));
    const table::TrickOnShow& trick = rig.table.Ctl().Trick;
    EXPECT_FALSE(trick.playing) << "nothing is on show before play";
    ASSERT_TRUE(StartPlayFrom(rig.table, DeTakesSixViTwo(6, 0, 0)));
    const state::RoundState& round = rig.table.State();
    EXPECT_EQ(std::pair(trick.playing, trick.trump), std::pair(true, kH));

    ASSERT_TRUE(rig.RunUntil([&] { return round.CardsPlayed == 2; }));
    EXPECT_EQ(std::pair(trick.card, trick.winner),
              std::pair(std::array<int, 4>{-1, Nr("A", kH), Nr("4", kH), -1}, -1))
        << "the trick is still being played";

    ASSERT_TRUE(rig.RunUntil([&] { return round.Round == 2; }));
    EXPECT_EQ(trick.winner, common::kVast) << "the ace took the first trick";
    EXPECT_EQ(trick.card, (std::array<int, 4>{Nr("3", kH), Nr("A", kH), Nr("4", kH), Nr("5", kH)}))
        << "the taken trick stays on show until the next one begins";

    ASSERT_TRUE(rig.RunUntil([&] { return round.CardsPlayed == 5; }));
    EXPECT_EQ(std::pair(trick.card, trick.winner),
              std::pair(std::array<int, 4>{-1, Nr("7", kH), -1, -1}, -1));

    ASSERT_TRUE(rig.RunToStep(table::WaitStep::RoundOver));
    EXPECT_FALSE(trick.playing) << "the round's count takes over";
}

class HumanPlay : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(StartSydsLead(rig_));
        ASSERT_EQ(Round().Hand[common::kSyd].HandAktivitat, 1) << "SYD leads and may choose";
    }
    const state::RoundState& Round() const { return rig_.table.State(); }
    int Raised() const { return RaisedPosition(Round().Hand[common::kSyd]); }

    const int dead_ = Nr("K", common::kSpader);
    const int trump_ = Nr("A", kH);
    TableRig rig_{RigOptions().Human().PlayRules(kPlayFirstTrump).BidRules(kOthersBidNine)};
};

TEST_F(HumanPlay, ArrowsChooseOnlyCardsThatMayBePlayedAndEnterPlaysIt) {
    table::Table& table = rig_.table;
    const std::vector<std::pair<std::function<void()>, int>> steps = {
        {[&] { table.KeyChooseCard(-1); }, 3},        // Left starts at the right end
        {[&] { table.KeyChooseCard(1); }, 2},         // runs round, past the grey king of spader
        {[&] { table.KeyChooseCard(-1); }, 3},        // and round the other way past it too
        {[&] { table.KeyChooseEndCard(true); }, 3},   // End: the last card that may be played
        {[&] { table.KeyChooseEndCard(false); }, 2},  // Home: the first
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        steps[i].first();
        EXPECT_EQ(Raised(), steps[i].second) << "step " << i;
    }
    table.KeyEnter();
    EXPECT_EQ(Numbers(Round().Bord[common::kSyd]), std::vector<int>{trump_});
    table.KeyChooseCard(1);
    EXPECT_EQ(Raised(), 0) << "the keys choose nothing while SYD is not to play";
}

TEST_F(HumanPlay, APressOnAnotherColourTellsWhyAndLowersTheMarksAndAPressOnATrumpPlaysIt) {
    const table::Controls& ctl = rig_.table.Ctl();
    rig_.table.ImgSuggestUp_MouseDown();
    ASSERT_TRUE(ctl.LblSuggest.Visible);
    ASSERT_GT(Raised(), 0) << "the suggestion raises its card";
    rig_.table.HandMouseDown(common::kSyd, 5, 30);  // the first card, the king of spader
    EXPECT_EQ(Round().CardsPlayed, 0) << "the king of spader is not trump";
    EXPECT_EQ(Round().Hand[common::kSyd].HandAktivitat, 1) << "SYD still chooses";
    EXPECT_TRUE(rig_.dialogs.messages.empty());
    EXPECT_EQ(Raised(), 0);
    EXPECT_FALSE(ctl.LblSuggest.Visible);
    EXPECT_TRUE(ctl.LblSuggest.Caption.empty());
    EXPECT_TRUE(ctl.LblAnnounce.Visible);
    EXPECT_EQ(ctl.LblAnnounce.Caption, rig_.table.Texts().only_trump)
        << "the reason is announced, not put among the hints";

    const presentation::CardPlace second = presentation::CardPosition(1, false, "SYD", 0);
    rig_.table.HandMouseDown(common::kSyd, second.x + 5, second.y + 20);
    EXPECT_EQ(Numbers(Round().Bord[common::kSyd]), std::vector<int>{trump_});
    EXPECT_EQ(Numbers(Round().Hand[common::kSyd]), (std::vector<int>{dead_, Nr("K", kH)}));
    EXPECT_EQ(Round().Hand[common::kSyd].HandAktivitat, 0);
    EXPECT_EQ(Round().PlaySeat, common::kVast) << "the turn moves on";
    EXPECT_EQ(Round().PlayedTrump[14], -1);
}

TEST_F(HumanPlay, ACardIsRefusedWithItsReasonAndLeftWithOnlyTrumpsStartsAtTheEnd) {
    cards::KortHand& syd = rig_.table.MutableState().Hand[common::kSyd];  // K♠, then A♥ K♥
    const std::vector<int> held = Numbers(syd);
    rig_.table.PlayIt(common::kSyd, 0);
    rig_.table.PlayIt(common::kSyd, 1);
    EXPECT_EQ(
        rig_.dialogs.messages,
        (std::vector<std::string>{"ERROR - Wrong index", "ERROR - Card chosen not right color"}));
    EXPECT_EQ(Numbers(syd), held);
    syd.TakeACard(1);  // only trumps left: Left with nothing raised raises the last
    rig_.table.KeyChooseCard(-1);
    EXPECT_EQ(Raised(), 2);
}

TEST(KeyboardBids, DigitsChooseOnlyBidsThatMayBeMadeAndTheWinIsToldBeforeAndAfterTrump) {
    // Seed 2: SYD deals the first round and the bid panel opens with room to bid.
    StartedRig rig(RigOptions().Human().Seed(2));
    const table::Controls& ctl = rig.table.Ctl();
    ASSERT_TRUE(rig.RunUntil([&] { return ctl.PBButtonsBackground.Visible; }));
    const int highest = rig.table.State().gbHogstaBudet;
    for (int bid = 6; bid <= 10; ++bid) {
        rig.table.KeyChooseBid(bid);
        const bool may = ctl.PBBid[bid - 5].Visible && bid > highest;
        EXPECT_EQ(ctl.PBBidChosen == bid - 5, may) << "bid " << bid;
    }
    // The arrows walk to the highest bid the dealer may make, which wins the auction.
    for (int step = 0; step < 10; ++step) {
        rig.table.KeyStepBid(1);
    }
    const int bid = ctl.PBBidChosen + 5;
    ASSERT_GE(bid, 6);
    rig.table.KeyEnter();
    ASSERT_FALSE(ctl.PBButtonsBackground.Visible);
    ASSERT_TRUE(rig.RunUntil([&] { return ctl.ImgFargUp[0].Visible; }));
    EXPECT_EQ(Announced(rig), Expected(rig.table).AuctionWon(common::kSyd, bid, 0));
    rig.table.KeyColour(3);
    EXPECT_EQ(rig.table.State().gbFarg, common::kSpader) << "S names spader";
    EXPECT_EQ(Announced(rig), Expected(rig.table).AuctionWon(common::kSyd, bid, common::kSpader));
}

}  // namespace
}  // namespace table_test
