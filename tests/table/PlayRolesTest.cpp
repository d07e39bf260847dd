// The roles a seat's play rules see, read back from the value dump each computer decision logs.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "TableRig.h"

namespace table_test {
namespace {

// The RoleBid each seat saw at its first play of the round: the dump of a decision comes just
// before the "<seat> plays: " line of its card.
std::map<int, std::string> RoleBidAtFirstPlay(const std::vector<std::string>& log) {
    const std::string value_prefix = "RoleBid , ";
    std::map<int, std::string> roles;
    std::string last_seen;
    for (const std::string& line : log) {
        if (line.rfind(value_prefix, 0) == 0) {
            last_seen = line.substr(value_prefix.size());
            continue;
        }
        for (int seat = 0; seat < common::kSeats; ++seat) {
            if (line.rfind(std::string(common::SeatName(seat)) + " plays: ", 0) == 0) {
                roles.emplace(seat, last_seen);
            }
        }
    }
    return roles;
}

TEST(PlayRoles, RoleBidIsBeforeOrAfterTheBidderInPlayingOrder) {
    TableRig rig(RigOptions().Seed(5).PlayRules(kPlayFirstTrump));
    rig.table.Start();
    ASSERT_TRUE(rig.RunToRoundEnd());
    const int bidder = rig.table.State().gbBjuditHogst;
    const auto roles = RoleBidAtFirstPlay(rig.CloseAndReadLog());
    ASSERT_EQ(roles.size(), 4u) << "every seat played a card";
    EXPECT_EQ(roles.at(bidder), "BIDDER");
    EXPECT_EQ(roles.at(common::SeatAfter(bidder, 2)), "BIDRESPONSE");
    EXPECT_EQ(roles.at(common::SeatAfter(bidder, 1)), "A_DEFENCE")
        << "the seat after the bidder has the bidder on its RIGHT";
    EXPECT_EQ(roles.at(common::SeatAfter(bidder, 3)), "B_DEFENCE")
        << "the seat before the bidder has the bidder on its LEFT";
}

}  // namespace
}  // namespace table_test
