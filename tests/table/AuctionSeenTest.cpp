// What the auction shows and tells while it runs: each seat's spoken bid on its label, and
// every bid, the dealer's forced one too, reported to whoever watches the decisions.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "support/TableRig.h"

namespace table_test {
namespace {

TEST(AuctionSeen, PassesReadPassAndTheForcedBidIsAmongTheDecisions) {
    TableRig rig(RigOptions().Human().BidRules(kNobodyBids));
    std::vector<std::tuple<int, state::Decision, int>> told;
    rig.table.decision_taken = [&](const state::SeatView& view, state::Decision kind, int choice) {
        told.emplace_back(view.seat, kind, choice);
    };
    rig.table.Start();
    const state::RoundState& round = rig.table.State();
    ASSERT_TRUE(rig.RunUntil([&] { return round.Hand[common::kOst].GeBud() == 0; }));
    for (int s = common::kVast; s <= common::kOst; ++s) {
        EXPECT_EQ(rig.table.Ctl().LabelBud[s].Caption, "Pass") << "seat " << s;
    }
    ASSERT_TRUE(rig.RunUntil([&] { return rig.table.Ctl().ImgFargUp[0].Visible; }));
    using D = state::Decision;
    const std::vector<std::tuple<int, state::Decision, int>> expected = {{common::kVast, D::Bid, 0},
                                                                         {common::kNord, D::Bid, 0},
                                                                         {common::kOst, D::Bid, 0},
                                                                         {common::kSyd, D::Bid, 6}};
    EXPECT_EQ(told, expected);
}

}  // namespace
}  // namespace table_test
