// What the player meets at the table: the auction's labels and decisions, the hinted bid, the
// card keys, and the messages for a refused card and for a fault.
#include <gtest/gtest.h>

#include "support/TableRig.h"

namespace table_test {
namespace {

TEST(PlayerFacing, PassesReadPassTheForcedBidIsToldAndItsBidderMarked) {
    TableRig rig(RigOptions().Human().BidRules(kNobodyBids));
    std::vector<std::pair<int, int>> bids_told;  // seat and bid
    rig.table.decision_taken = [&](const state::SeatView& view, state::Decision kind, int choice) {
        EXPECT_EQ(kind, state::Decision::Bid);
        bids_told.emplace_back(view.seat, choice);
    };
    rig.table.Start();
    ASSERT_TRUE(rig.RunUntil([&] { return rig.table.State().Hand[common::kOst].GeBud() == 0; }));
    for (int s = common::kVast; s <= common::kOst; ++s) {
        EXPECT_EQ(rig.table.Ctl().LabelBud[s].Caption, "Pass") << "seat " << s;
    }
    ASSERT_TRUE(rig.RunUntil([&] { return rig.table.Ctl().ImgFargUp[0].Visible; }));
    EXPECT_EQ(rig.table.Ctl().Label[common::kSyd].ForeColor, common::kYellow) << "names trump";
    EXPECT_EQ(bids_told,
              (std::vector<std::pair<int, int>>{
                  {common::kVast, 0}, {common::kNord, 0}, {common::kOst, 0}, {common::kSyd, 6}}));
}

TEST(PlayerFacing, FirstArrowAndAComputerTakingOverChooseTheHintedBid) {
    for (const int step : {1, -1, 0}) {
        TableRig rig(RigOptions().Human().BidRules("RULE, EXECUTES, 100, BID, 8, END\n"));
        rig.table.Start();
        rig.table.ImgSuggestUp_MouseDown();
        rig.RestartRoundDealtBy(common::kOst);
        ASSERT_TRUE(rig.RunUntil([&] { return rig.table.Ctl().PBButtonsBackground.Visible; }));
        if (step == 0) {
            rig.table.SetComputerPlaysSyd(true, 0);
            EXPECT_EQ(rig.table.State().Hand[common::kSyd].GeBud(), 8);
        } else {
            rig.table.KeyStepBid(step);
            EXPECT_EQ(rig.table.Ctl().PBBidChosen, 3) << "step " << step;
        }
    }
}

TEST(PlayerFacing, ACardIsRefusedWithItsReasonLeftStartsAtTheEndAndAFaultIsNamed) {
    TableRig rig(RigOptions().Human().PlayRules(kPlayFirstTrump).BidRules(kOthersBidNine));
    ASSERT_TRUE(StartSydsLead(rig));  // SYD holds the king of spader, no trump, then A and K
    cards::KortHand& syd = rig.table.MutableState().Hand[common::kSyd];
    const std::vector<int> held = Numbers(syd);
    for (const auto& [position, message] : {std::pair{0, "ERROR - Wrong index"},
                                            std::pair{1, "ERROR - Card chosen not right color"}}) {
        rig.table.PlayIt(common::kSyd, position);
        ASSERT_FALSE(rig.dialogs.messages.empty());
        EXPECT_EQ(rig.dialogs.messages.back(), message);
        EXPECT_EQ(Numbers(syd), held);
    }
    syd.TakeACard(1);  // only trumps left: Left with nothing raised raises the last
    rig.table.KeyChooseCard(-1);
    EXPECT_FALSE(syd.CardAt(1)->Kop);
    EXPECT_TRUE(syd.CardAt(2)->Kop);
    EXPECT_FALSE(rig.table.Guarded([&] { syd.AddACard(syd.Cards().front()); }));
    const std::string& shown = rig.dialogs.messages.back();
    EXPECT_NE(shown.find(": Card already available (KortHand 1001). "), std::string::npos) << shown;
    EXPECT_EQ(shown.find_first_of("{}"), std::string::npos) << shown;
}

}  // namespace
}  // namespace table_test
