// The table's own buttons and the human's card presses.
#include <gtest/gtest.h>

#include "support/TableRig.h"
#include "cards/HandGeometry.h"

namespace table_test {
namespace {

TEST(Controls, ExitAnsweredNoLeavesTheGameAsItWas) {
    TableRig rig(RigOptions{});
    rig.table.Start();
    ASSERT_TRUE(rig.RunToTag("WAIT_KOR"));
    const TableSnapshot before = Snapshot(rig.table);
    rig.table.ImgExitUp_MouseDown();
    EXPECT_TRUE(rig.table.Ctl().ImgExitDn.Visible);
    rig.dialogs.yes_no_answers.push_back(false);
    EXPECT_FALSE(rig.table.ImgExitUp_MouseUp()) << "the window stays open";
    ASSERT_EQ(rig.dialogs.questions.size(), 1u);
    EXPECT_EQ(rig.dialogs.questions.front(), rig.table.Texts().quit_question);
    EXPECT_TRUE(rig.table.Ctl().ImgExitUp.Visible);
    EXPECT_FALSE(rig.table.Ctl().ImgExitDn.Visible);
    EXPECT_EQ(Snapshot(rig.table), before);
    rig.table.AdvanceMe();
    EXPECT_EQ(rig.table.State().myGameStatus, 7) << "the game goes on: the click starts the buying";
}

TEST(Controls, ExitWithoutAGameClosesWithoutAsking) {
    TableRig rig(RigOptions{});
    rig.table.Start();
    rig.table.MutableState().GamePlaying = false;
    rig.table.ImgExitUp_MouseDown();
    EXPECT_TRUE(rig.table.ImgExitUp_MouseUp());
    EXPECT_TRUE(rig.dialogs.questions.empty());
}

TEST(Controls, TraceToggleShowsAndHidesTheTraceList) {
    TableRig rig(RigOptions{});
    rig.table.Start();
    const table::Controls& ctl = rig.table.Ctl();
    ASSERT_FALSE(ctl.LBTraceBox.Visible);
    rig.table.ImgTraceUp_Click();
    EXPECT_TRUE(ctl.LBTraceBox.Visible);
    EXPECT_TRUE(ctl.ImgTraceDn.Visible);
    EXPECT_FALSE(ctl.ImgTraceUp.Visible);
    rig.table.ImgTraceDn_Click();
    EXPECT_FALSE(ctl.LBTraceBox.Visible);
    EXPECT_FALSE(ctl.ImgTraceDn.Visible);
    EXPECT_TRUE(ctl.ImgTraceUp.Visible);
}

// A press on the card at a position (1-based) of SYD's hand.
void PressSydCard(table::Table& table, int position) {
    const cards::KortHand& hand = table.State().Hand[common::kSyd];
    const cards::CardPlace place =
        cards::CardPosition(position - 1, false, hand.HandKod, hand.LayoutStyle);
    table.HandMouseDown(common::kSyd, place.x + 5, place.y + 20);
}

TEST(Controls, HumanPressPlaysATrumpCardAndIgnoresOtherColours) {
    TableRig rig(RigOptions()
                     .Human()
                     .PlayRules(kPlayFirstTrump)
                     .BidRules("RULE, RoleInRound, LEAD, !, EXECUTES, 100, BID, 9, END\n"));
    rig.table.Start();
    ASSERT_TRUE(rig.RunUntil([&] { return rig.table.Ctl().PBButtonsBackground.Visible; }));
    rig.table.PBBid_MouseUp(0);
    ScriptedRound script;
    script.bidder = common::kSyd;
    const int dead = Nr("K", common::kSpader);
    const int trump = Nr("A", common::kHjarter);
    script.hands[common::kSyd] = {dead, trump};
    script.hands[common::kVast] = {Nr("2", common::kHjarter)};
    ASSERT_TRUE(StartPlayFrom(rig.table, script));
    const state::RoundState& round = rig.table.State();
    ASSERT_EQ(round.PlaySeat, common::kSyd);
    ASSERT_EQ(round.Hand[common::kSyd].HandAktivitat, 1) << "SYD leads and may choose";

    PressSydCard(rig.table, 1);
    EXPECT_EQ(round.CardsPlayed, 0) << "the king of spader is not trump";
    EXPECT_EQ(Numbers(round.Hand[common::kSyd]), (std::vector<int>{dead, trump}));
    EXPECT_EQ(round.Hand[common::kSyd].HandAktivitat, 1) << "SYD still chooses";
    EXPECT_TRUE(rig.dialogs.messages.empty());

    PressSydCard(rig.table, 2);
    EXPECT_EQ(round.CardsPlayed, 1);
    EXPECT_EQ(Numbers(round.Bord[common::kSyd]), std::vector<int>{trump});
    EXPECT_EQ(Numbers(round.Hand[common::kSyd]), std::vector<int>{dead});
    EXPECT_EQ(round.Hand[common::kSyd].HandAktivitat, 0);
    EXPECT_EQ(round.PlaySeat, common::kVast) << "the turn moves on";
    EXPECT_EQ(round.PlayedTrump[14], -1);
}

}  // namespace
}  // namespace table_test
