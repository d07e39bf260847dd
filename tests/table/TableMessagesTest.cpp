// The messages the table shows when a move cannot be made or a fault stops it.
#include <gtest/gtest.h>

#include "support/TableRig.h"

namespace table_test {
namespace {

TEST(TableMessages, ACardThatCannotBePlayedIsRefusedWithItsReason) {
    TableRig rig(RigOptions().Human().PlayRules(kPlayFirstTrump).BidRules(kOthersBidNine));
    ASSERT_TRUE(StartSydsLead(rig));
    const state::RoundState& round = rig.table.State();
    const std::vector<int> held = Numbers(round.Hand[common::kSyd]);
    // SydLeads: the king of spader first, no trump.
    for (const auto& [position, message] : {std::pair{0, "ERROR - Wrong index"},
                                            std::pair{1, "ERROR - Card chosen not right color"}}) {
        rig.table.PlayIt(common::kSyd, position);
        ASSERT_FALSE(rig.dialogs.messages.empty());
        EXPECT_EQ(rig.dialogs.messages.back(), message);
        EXPECT_EQ(Numbers(round.Hand[common::kSyd]), held);
        EXPECT_EQ(round.CardsPlayed, 0);
    }
}

TEST(TableMessages, AFaultIsNamedInTheTextInPlaceOfItsMark) {
    TableRig rig(RigOptions{});
    rig.table.Start();
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    EXPECT_FALSE(rig.table.Guarded([&] {
        cards::KortHand& hand = rig.table.MutableState().Hand[common::kOst];
        hand.AddACard(hand.Cards().front());
    }));
    ASSERT_FALSE(rig.dialogs.messages.empty());
    const std::string& shown = rig.dialogs.messages.back();
    EXPECT_NE(shown.find(": Card already available (KortHand 1001). "), std::string::npos) << shown;
    EXPECT_EQ(shown.find_first_of("{}"), std::string::npos) << shown;
}

}  // namespace
}  // namespace table_test
