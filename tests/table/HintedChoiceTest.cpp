// Where the keys and the computer start from when the human is to choose: the hinted bid on
// the bid panel, and the far end of the hand for a card.
#include <gtest/gtest.h>

#include "support/TableRig.h"

namespace table_test {
namespace {

constexpr int kH = common::kHjarter;

// With the lamp lit, the bid panel opens for SYD with the rules' bid of 8 (button 3) hinted.
bool OpenPanelWithEightHinted(TableRig& rig) {
    rig.table.Start();
    rig.table.ImgSuggestUp_MouseDown();
    rig.RestartRoundDealtBy(common::kOst);
    return rig.RunUntil([&] { return rig.table.Ctl().PBButtonsBackground.Visible; }) &&
           rig.table.Ctl().PBBidLook[3] == table::BidLook::Suggested;
}

TEST(HintedChoice, FirstArrowAndAComputerTakingOverChooseTheHintedBid) {
    for (const int step : {1, -1}) {
        TableRig rig(RigOptions().Human().BidRules("RULE, EXECUTES, 100, BID, 8, END\n"));
        ASSERT_TRUE(OpenPanelWithEightHinted(rig));
        rig.table.KeyStepBid(step);
        EXPECT_EQ(rig.table.Ctl().PBBidChosen, 3) << "step " << step;
    }
    TableRig rig(RigOptions().Human().BidRules("RULE, EXECUTES, 100, BID, 8, END\n"));
    ASSERT_TRUE(OpenPanelWithEightHinted(rig));
    rig.table.SetComputerPlaysSyd(true, 0);
    EXPECT_EQ(rig.table.State().Hand[common::kSyd].GeBud(), 8);
}

TEST(HintedChoice, LeftWithNothingRaisedStartsFromTheLastCard) {
    TableRig rig(RigOptions().Human().PlayRules(kPlayFirstTrump).BidRules(kOthersBidNine));
    rig.table.Start();
    ASSERT_TRUE(rig.RunUntil([&] { return rig.table.Ctl().PBButtonsBackground.Visible; }));
    rig.table.KeyPass();
    ScriptedRound script = SydLeads();
    script.hands[common::kSyd] = {Nr("A", kH), Nr("K", kH), Nr("Q", kH)};
    ASSERT_TRUE(StartPlayFrom(rig.table, script));
    const cards::KortHand& syd = rig.table.State().Hand[common::kSyd];
    ASSERT_EQ(syd.HandAktivitat, 1);
    rig.table.KeyChooseCard(-1);
    EXPECT_TRUE(syd.CardAt(3)->Kop);
    EXPECT_FALSE(syd.CardAt(1)->Kop);
}

}  // namespace
}  // namespace table_test
