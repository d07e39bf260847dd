// The table's own buttons.
#include <gtest/gtest.h>

#include "support/TableRig.h"

namespace table_test {
namespace {

TEST(Controls, ExitAnsweredNoLeavesTheGameAsItWas) {
    TableRig rig(RigOptions{});
    rig.table.Start();
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::WaitToBuy));
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

TEST(Controls, EachColourButtonNamesItsColourAsTrump) {
    for (int colour_index = 0; colour_index < 4; ++colour_index) {
        SCOPED_TRACE("colour button " + std::to_string(colour_index));
        // Everybody passes: SYD, the dealer, is given 6 and names trump.
        TableRig rig(RigOptions().Human().BidRules(kNobodyBids));
        rig.table.Start();
        ASSERT_TRUE(rig.RunUntil([&] { return rig.table.Ctl().ImgFargUp[colour_index].Visible; }));
        rig.table.ImgFargUp_MouseDown(colour_index);
        rig.table.ImgFargUp_MouseUp(colour_index);
        EXPECT_EQ(rig.table.State().gbFarg, common::ColourCode(colour_index));
        EXPECT_FALSE(rig.table.Ctl().ImgFargUp[colour_index].Visible) << "the buttons go";
    }
}

}  // namespace
}  // namespace table_test
