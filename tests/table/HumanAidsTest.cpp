// What the table does for the human beyond the game itself: the suggestion of a bid and of a
// card with its hint, the demo's own clicks, the debug report and the trace list.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "playai/Suggestion.h"
#include "support/TableRig.h"

namespace table_test {
namespace {

constexpr int kH = common::kHjarter;

// OST deals, so SYD speaks first in the auction with every bid open.
bool RunToSydsFirstBid(TableRig& rig, bool lamp) {
    rig.table.Start();
    if (lamp) {
        rig.table.ImgSuggestUp_MouseDown();
    }
    rig.RestartRoundDealtBy(common::kOst);
    return rig.RunUntil([&] { return rig.table.Ctl().PBButtonsBackground.Visible; });
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
        EXPECT_EQ(BidButtons(rig.table.Ctl(), table::BidLook::Suggested),
                  std::vector<int>{c.button});
        const state::RoundState& round = rig.table.State();
        const cards::KortHand& syd = round.Hand[common::kSyd];
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
    const table::Controls& ctl = rig.table.Ctl();
    EXPECT_TRUE(BidButtons(ctl, table::BidLook::Suggested).empty())
        << "no suggestion without the lamp";
    EXPECT_EQ(RaisedPosition(rig.table.State().Hand[common::kSyd]), 0);
    rig.table.ImgSuggestUp_MouseDown();
    EXPECT_EQ(BidButtons(ctl, table::BidLook::Suggested), std::vector<int>{3})
        << "lit in the middle of the auction";
    EXPECT_TRUE(ctl.LblSuggest.Visible);
    rig.table.ImgSuggestDn_MouseDown();
    EXPECT_EQ(std::tuple(BidButtons(ctl, table::BidLook::Suggested).empty(), ctl.PBBidLook[3],
                         ctl.LblSuggest.Visible),
              std::tuple(true, table::BidLook::Active, false))
        << "put out again";
}

TEST(BidSuggestion, TheFirstArrowAndAComputerTakingOverChooseTheHintedBid) {
    for (const int step : {1, -1, 0}) {
        TableRig rig(RigOptions().Human().BidRules("RULE, EXECUTES, 100, BID, 8, END\n"));
        ASSERT_TRUE(RunToSydsFirstBid(rig, true));
        if (step == 0) {
            rig.table.SetComputerPlaysSyd(true, 0);
            EXPECT_EQ(rig.table.State().Hand[common::kSyd].GeBud(), 8);
        } else {
            rig.table.KeyStepBid(step);
            EXPECT_EQ(rig.table.Ctl().PBBidChosen, 3) << "step " << step;
        }
    }
}

// SYD leads (SydLeads); the rules suggest the king of trump with the hint of code ONLY.
class CardSuggestion : public ::testing::TestWithParam<presentation::Language> {
  protected:
    void StartPlay(bool lamp_first) {
        rig_.table.Start();
        ASSERT_TRUE(rig_.RunUntil([&] { return rig_.table.Ctl().PBButtonsBackground.Visible; }));
        rig_.table.KeyPass();
        if (lamp_first) {
            rig_.table.ImgSuggestUp_MouseDown();
        }
        ASSERT_TRUE(StartPlayFrom(rig_.table, SydLeads()));
    }
    std::string Hint() const {
        const char* tag = GetParam() == presentation::Language::English ? "<ENGLISH>" : "<SVENSKA>";
        return playai::GetSuggestionText(rig_.folder.File(playai::kSuggestionFile), "<INPLAY>",
                                         "ONLY", tag);
    }
    void ExpectKingSuggested() {
        EXPECT_EQ(rig_.table.SuggestPosition(), 3);
        EXPECT_EQ(RaisedPosition(rig_.table.State().Hand[common::kSyd]), 3);
        EXPECT_TRUE(rig_.table.Ctl().LblSuggest.Visible);
        EXPECT_EQ(rig_.table.Ctl().LblSuggest.Caption, Hint());
    }

    TableRig rig_{RigOptions()
                      .Human()
                      .InLanguage(GetParam())
                      .BidRules(kOthersBidNine)
                      .PlayRules("RULE, Name, Hint, Suggest, ONLY, EXECUTES, 100, Play, K, END\n")};
};

TEST_P(CardSuggestion, RaisesTheRulesCardAndShowsItsHintWhenSydsTurnComes) {
    StartPlay(true);
    ASSERT_TRUE(rig_.RunUntil([&] { return rig_.table.Timer1().Tag == table::WaitStep::None; }));
    ExpectKingSuggested();
}

TEST_P(CardSuggestion, LightingTheLampDuringSydsTurnSuggestsAtOnce) {
    StartPlay(false);
    ASSERT_TRUE(rig_.RunUntil([&] { return rig_.table.Timer1().Tag == table::WaitStep::None; }));
    EXPECT_EQ(RaisedPosition(rig_.table.State().Hand[common::kSyd]), 0);
    EXPECT_FALSE(rig_.table.Ctl().LblSuggest.Visible);
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
    ASSERT_TRUE(rig.RunToRoundEnd());
    rig.table.AdvanceMe();
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    EXPECT_EQ(saved, std::vector<std::string>{rig.folder.File("FivraDEBUG_0_oddlead.bmp")});
    const std::string report = rig.folder.Read("FivraLOG_0_oddlead.txt");
    EXPECT_NE(report.find("VAST threw the ace"), std::string::npos);
    EXPECT_NE(report.find("<PACKE_KOMPLETT>"), std::string::npos) << "the whole round's log";

    ASSERT_TRUE(rig.RunToRoundEnd());
    rig.table.AdvanceMe();
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    EXPECT_EQ(saved.size(), 1u) << "one press, one report";
}

TEST(TraceList, KeepsTheNewestLinesAndNeverGrowsPastItsCap) {
    TableRig rig(RigOptions{});
    const std::vector<std::string>& trace = rig.table.Ctl().LBTrace;
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
