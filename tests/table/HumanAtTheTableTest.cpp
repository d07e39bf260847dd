// What the table does for the human: announcements, the trick on show, play and bids from the
// keys, the suggestions and their hints, the demo's own clicks, the debug report, the trace list.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "playai/Suggestion.h"
#include "presentation/HandGeometry.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

constexpr int kH = common::kHjarter;
constexpr int kK = common::kKlover;

presentation::Announcements Expected(const table::Table& table) {
    return presentation::Announcements(table.Texts(), presentation::BuildLanguage());
}

TEST(Announcements, AHandLaidDownIsToldOnlyWhileOthersPlayOn) {
    StartedRig rig(RigOptions().PlayRules(kPlayFirstTrump));
    ScriptedRound script = DeTakesSixViTwo(6, 0, 0);
    script.hands[common::kOst] = {Nr("9", kK)};  // OST holds no trump at all
    ASSERT_TRUE(StartPlayFrom(rig.table, script));
    ASSERT_TRUE(rig.RunUntil([&] { return rig.round.ColdFlag[common::kOst] == -1; }));
    EXPECT_EQ(rig.ctl.LblAnnounce.Caption, Expected(rig.table).LaysDown(common::kOst));

    ASSERT_TRUE(rig.RunUntil([&] {
        for (const int seat : {common::kSyd, common::kVast, common::kNord}) {
            EXPECT_NE(rig.ctl.LblAnnounce.Caption, Expected(rig.table).LaysDown(seat))
                << "at the round's end every hand runs out at once; nobody is named";
        }
        return rig.table.Timer1().Tag == table::WaitStep::RoundOver;
    }));
}

TEST(TrickOnShow, TheLiveTrickAndWhoTookTheLastOneAreOnShow) {
    StartedRig rig(RigOptions().PlayRules(kPlayFirstTrump));
    const table::TrickOnShow& trick = rig.ctl.Trick;
    EXPECT_FALSE(trick.playing) << "nothing is on show before play";
    ASSERT_TRUE(StartPlayFrom(rig.table, DeTakesSixViTwo(6, 0, 0)));
    EXPECT_EQ(std::pair(trick.playing, trick.trump), std::pair(true, kH));

    ASSERT_TRUE(rig.RunUntil([&] { return rig.round.CardsPlayed == 2; }));
    EXPECT_EQ(std::pair(trick.card, trick.winner),
              std::pair(std::array<int, 4>{-1, Nr("A", kH), Nr("4", kH), -1}, -1))
        << "the trick is still being played";

    ASSERT_TRUE(rig.RunUntil([&] { return rig.round.Round == 2; }));
    EXPECT_EQ(trick.winner, common::kVast) << "the ace took the first trick";
    EXPECT_EQ(trick.card, (std::array<int, 4>{Nr("3", kH), Nr("A", kH), Nr("4", kH), Nr("5", kH)}))
        << "the taken trick stays on show until the next one begins";

    ASSERT_TRUE(rig.RunUntil([&] { return rig.round.CardsPlayed == 5; }));
    EXPECT_EQ(std::pair(trick.card, trick.winner),
              std::pair(std::array<int, 4>{-1, Nr("7", kH), -1, -1}, -1));

    ASSERT_TRUE(rig.RunToStep(table::WaitStep::RoundOver));
    EXPECT_FALSE(trick.playing) << "the round's count takes over";
}

class HumanPlay : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(StartSydsLead(rig_));
        ASSERT_EQ(rig_.round.Hand[common::kSyd].HandAktivitat, 1) << "SYD leads and may choose";
    }
    int Raised() const { return RaisedPosition(rig_.round.Hand[common::kSyd]); }

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
    EXPECT_EQ(Numbers(rig_.round.Bord[common::kSyd]), std::vector<int>{trump_});
    table.KeyChooseCard(1);
    EXPECT_EQ(Raised(), 0) << "the keys choose nothing while SYD is not to play";
}

TEST_F(HumanPlay, APressOnAnotherColourTellsWhyAndLowersTheMarksAndAPressOnATrumpPlaysIt) {
    rig_.table.ImgSuggestUp_MouseDown();
    ASSERT_TRUE(rig_.ctl.LblSuggest.Visible);
    ASSERT_GT(Raised(), 0) << "the suggestion raises its card";
    rig_.table.HandMouseDown(common::kSyd, 5, 30);  // the first card, the king of spader
    // Not played, SYD still chooses, the marks are lowered and the reason is announced, not put
    // among the hints.
    EXPECT_EQ(std::tuple(rig_.round.CardsPlayed, rig_.round.Hand[common::kSyd].HandAktivitat,
                         rig_.dialogs.messages.empty(), Raised(), rig_.ctl.LblSuggest.Visible,
                         rig_.ctl.LblSuggest.Caption, rig_.ctl.LblAnnounce.Visible,
                         rig_.ctl.LblAnnounce.Caption),
              std::tuple(0, 1, true, 0, false, "", true, rig_.table.Texts().only_trump));

    const presentation::CardPlace second = presentation::CardPosition(1, false, "SYD", 0);
    rig_.table.HandMouseDown(common::kSyd, second.x + 5, second.y + 20);
    EXPECT_EQ(
        std::tuple(Numbers(rig_.round.Bord[common::kSyd]), Numbers(rig_.round.Hand[common::kSyd]),
                   rig_.round.Hand[common::kSyd].HandAktivitat, rig_.round.PlayedTrump[14]),
        std::tuple(std::vector<int>{trump_}, std::vector<int>{dead_, Nr("K", kH)}, 0, -1));
    EXPECT_EQ(rig_.round.PlaySeat, common::kVast) << "the turn moves on";
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
    ASSERT_TRUE(rig.RunUntil([&] { return rig.ctl.PBButtonsBackground.Visible; }));
    const int highest = rig.round.gbHogstaBudet;
    for (int bid = 6; bid <= 10; ++bid) {
        rig.table.KeyChooseBid(bid);
        const bool may = rig.ctl.PBBid[bid - 5].Visible && bid > highest;
        EXPECT_EQ(rig.ctl.PBBidChosen == bid - 5, may) << "bid " << bid;
    }
    // The arrows walk to the highest bid the dealer may make, which wins the auction.
    for (int step = 0; step < 10; ++step) {
        rig.table.KeyStepBid(1);
    }
    const int bid = rig.ctl.PBBidChosen + 5;
    ASSERT_GE(bid, 6);
    rig.table.KeyEnter();
    ASSERT_FALSE(rig.ctl.PBButtonsBackground.Visible);
    ASSERT_TRUE(rig.RunUntil([&] { return rig.ctl.ImgFargUp[0].Visible; }));
    EXPECT_EQ(rig.ctl.LblAnnounce.Caption, Expected(rig.table).AuctionWon(common::kSyd, bid, 0));
    rig.table.KeyColour(3);
    EXPECT_EQ(rig.round.gbFarg, common::kSpader) << "S names spader";
    EXPECT_EQ(rig.ctl.LblAnnounce.Caption,
              Expected(rig.table).AuctionWon(common::kSyd, bid, common::kSpader));
}

// OST deals, so SYD speaks first in the auction with every bid open.
bool RunToSydsFirstBid(TableRig& rig, bool lamp) {
    rig.table.Start();
    if (lamp) {
        rig.table.ImgSuggestUp_MouseDown();
    }
    rig.RestartRoundDealtBy(common::kOst);
    return rig.RunUntil([&] { return rig.ctl.PBButtonsBackground.Visible; });
}

TEST(BidSuggestion, MarksTheButtonOfTheBidTheRulesWouldMake) {
    struct Case {
        const char* rules;
        int button;  // 0 passes, 1 bids 6 ... 9 bids 14
    };
    for (const Case& c : {Case{"RULE, EXECUTES, 100, BID, 8, END\n", 3},
                          Case{"RULE, EXECUTES, 100, BID, 14, END\n", 9}, Case{kNobodyBids, 0}}) {
        SCOPED_TRACE(c.rules);
        TableRig rig(RigOptions().Human().BidRules(c.rules));
        ASSERT_TRUE(RunToSydsFirstBid(rig, true));
        EXPECT_EQ(BidButtons(rig.ctl, table::BidLook::Suggested), std::vector<int>{c.button});
        const cards::KortHand& syd = rig.round.Hand[common::kSyd];
        for (const cards::Kort* card : syd.Cards()) {
            const bool in_colour = card->IsOfColour(rig.table.MinFarg(common::kSyd));
            EXPECT_EQ(card->Kop, c.button != 0 && in_colour)
                << card->Key() << ": a bid raises the cards of the colour it counts on";
        }
    }
}

TEST(BidSuggestion, IsMarkedOnlyWhileTheLampIsLit) {
    TableRig rig(RigOptions().Human().BidRules("RULE, EXECUTES, 100, BID, 8, END\n"));
    ASSERT_TRUE(RunToSydsFirstBid(rig, false));
    EXPECT_TRUE(BidButtons(rig.ctl, table::BidLook::Suggested).empty())
        << "no suggestion without the lamp";
    EXPECT_EQ(RaisedPosition(rig.round.Hand[common::kSyd]), 0);
    rig.table.ImgSuggestUp_MouseDown();
    EXPECT_EQ(BidButtons(rig.ctl, table::BidLook::Suggested), std::vector<int>{3})
        << "lit in the middle of the auction";
    EXPECT_TRUE(rig.ctl.LblSuggest.Visible);
    rig.table.ImgSuggestDn_MouseDown();
    EXPECT_EQ(std::tuple(BidButtons(rig.ctl, table::BidLook::Suggested).empty(),
                         rig.ctl.PBBidLook[3], rig.ctl.LblSuggest.Visible),
              std::tuple(true, table::BidLook::Active, false))
        << "put out again";
}

TEST(BidSuggestion, TheFirstArrowAndAComputerTakingOverChooseTheHintedBid) {
    for (const int step : {1, -1, 0}) {
        TableRig rig(RigOptions().Human().BidRules("RULE, EXECUTES, 100, BID, 8, END\n"));
        ASSERT_TRUE(RunToSydsFirstBid(rig, true));
        if (step == 0) {
            rig.table.SetComputerPlaysSyd(true, 0);
            EXPECT_EQ(rig.round.Hand[common::kSyd].GeBud(), 8);
        } else {
            rig.table.KeyStepBid(step);
            EXPECT_EQ(rig.ctl.PBBidChosen, 3) << "step " << step;
        }
    }
}

// SYD leads (SydLeads); the rules suggest the king of trump with the hint of code ONLY.
class CardSuggestion : public ::testing::TestWithParam<presentation::Language> {
  protected:
    std::string Hint() const {
        const char* tag = GetParam() == presentation::Language::English ? "<ENGLISH>" : "<SVENSKA>";
        return playai::GetSuggestionText(rig_.folder.File(playai::kSuggestionFile), "<INPLAY>",
                                         "ONLY", tag);
    }
    void ExpectKingSuggested() {
        EXPECT_EQ(
            std::tuple(rig_.table.SuggestPosition(), RaisedPosition(rig_.round.Hand[common::kSyd]),
                       rig_.ctl.LblSuggest.Visible, rig_.ctl.LblSuggest.Caption),
            std::tuple(3, 3, true, Hint()));
    }

    TableRig rig_{RigOptions()
                      .Human()
                      .InLanguage(GetParam())
                      .BidRules(kOthersBidNine)
                      .PlayRules("RULE, Name, Hint, Suggest, ONLY, EXECUTES, 100, Play, K, END\n")};
};

TEST_P(CardSuggestion, RaisesTheRulesCardAndShowsItsHintWhenSydsTurnComes) {
    ASSERT_TRUE(StartSydsLead(rig_, true));
    ASSERT_TRUE(rig_.RunUntil([&] { return rig_.table.Timer1().Tag == table::WaitStep::None; }));
    ExpectKingSuggested();
}

TEST_P(CardSuggestion, LightingTheLampDuringSydsTurnSuggestsAtOnce) {
    ASSERT_TRUE(StartSydsLead(rig_));
    ASSERT_TRUE(rig_.RunUntil([&] { return rig_.table.Timer1().Tag == table::WaitStep::None; }));
    EXPECT_EQ(RaisedPosition(rig_.round.Hand[common::kSyd]), 0);
    EXPECT_FALSE(rig_.ctl.LblSuggest.Visible);
    rig_.table.ImgSuggestUp_MouseDown();
    ExpectKingSuggested();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, CardSuggestion,
                         ::testing::Values(presentation::Language::Svenska,
                                           presentation::Language::English));

TEST(Demo, EveryWaitForAClickEndsByItselfAfterItsTime) {
    StartedRig rig(RigOptions().AutoContinue(5000));
    for (const table::WaitStep step : {table::WaitStep::WaitToBuy, table::WaitStep::RoundOver}) {
        ASSERT_TRUE(rig.RunToStep(step));
        const long long since = rig.table.Now();
        rig.table.AdvanceTo(since + 4000);
        EXPECT_EQ(rig.table.Timer1().Tag, step) << "still waiting before its time";
        rig.table.AdvanceTo(since + 6000);
        EXPECT_NE(rig.table.Timer1().Tag, step) << "went on by itself";
    }
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext))
        << "the next round was dealt without a click";
}

TEST(DebugReport, KeepsTheLogWithTheCommentAndThePictureUnderTheTypedName) {
    TableRig rig(RigOptions{});
    int captured = 0;
    std::vector<std::string> saved;
    rig.table.capture_debug_image = [&] { ++captured; };
    rig.table.save_debug_image = [&](const std::string& path) {
        saved.push_back(path);
        return true;
    };
    rig.table.Start();
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::WaitToBuy));
    rig.dialogs.input_answers = {"odd/lead", "VAST threw the ace"};
    rig.table.BtnDebugMsg_Click();
    EXPECT_EQ(std::pair(captured, saved.empty()), std::pair(1, true))
        << "the picture is taken when the button is pressed and kept only when the round is over";
    ASSERT_TRUE(rig.PlayRounds(1));
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    EXPECT_EQ(saved, std::vector<std::string>{rig.folder.File("FivraDEBUG_0_oddlead.bmp")});
    const std::string report = rig.folder.Read("FivraLOG_0_oddlead.txt");
    EXPECT_NE(report.find("VAST threw the ace"), std::string::npos);
    EXPECT_NE(report.find("<PACKE_KOMPLETT>"), std::string::npos) << "the whole round's log";

    ASSERT_TRUE(rig.PlayRounds(1));
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    EXPECT_EQ(saved.size(), 1u) << "one press, one report";
}

TEST(TraceList, KeepsTheNewestLinesAndNeverGrowsPastItsCap) {
    TableRig rig(RigOptions{});
    const std::vector<std::string>& trace = rig.ctl.LBTrace;
    rig.table.Start();
    std::size_t longest = 0;
    std::string newest;
    bool cut = false;
    for (int round = 0; round < 400 && !cut; ++round) {
        ASSERT_TRUE(rig.RunUntil([&] {
            if (trace.size() < longest) {
                cut = true;
                EXPECT_GT(trace.size(), 1000u) << "only the older half goes";
                EXPECT_NE(std::find(trace.begin(), trace.end(), newest), trace.end())
                    << "the newest lines stay";
            }
            longest = std::max(longest, trace.size());
            newest = trace.empty() ? "" : trace.back();
            return cut || rig.table.WaitsForClick();
        }));
        rig.table.AdvanceMe();
    }
    EXPECT_TRUE(cut) << "no long session";
    EXPECT_EQ(longest, 2000u) << "the list is cut when it holds 2000 lines";
}

}  // namespace
}  // namespace table_test
