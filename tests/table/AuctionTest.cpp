// The auction: who wins it, the dealer's forced bid, and the human's bid panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <tuple>

#include "support/TableRig.h"

namespace table_test {
namespace {

constexpr const char* kFirstTwoBid14 =
    "RULE, RoleInRound, LEAD, A_BLOCK, !, EXECUTES, 100, BID, 14, END\n";
constexpr const char* kLeadBids14 = "RULE, RoleInRound, LEAD, !, EXECUTES, 100, BID, 14, END\n";

std::vector<std::string> AuctionBlock(int bidder, int bid, int dealer) {
    return {"<BJUDIT_HOGST>", std::string(common::SeatName(bidder)), "<BUD>", std::to_string(bid),
            "<PACKE>",        std::string(common::SeatName(dealer))};
}

bool HasSequence(const std::vector<std::string>& log, const std::vector<std::string>& lines) {
    return std::search(log.begin(), log.end(), lines.begin(), lines.end()) != log.end();
}

TEST(Auction, TieGoesToTheSeatThatSpokeLater) {
    StartedRig rig(RigOptions().BidRules(kFirstTwoBid14));
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::TrumpChosen));
    EXPECT_EQ(
        std::tuple(rig.round.Hand[common::kVast].GeBud(), rig.round.Hand[common::kNord].GeBud(),
                   rig.round.gbBjuditHogst, rig.round.gbHogstaBudet),
        std::tuple(14, 14, common::kNord, 14))
        << "VAST and NORD bid 14; NORD spoke later";
    EXPECT_EQ(
        std::pair(rig.ctl.LabelBud[common::kVast].Caption, rig.ctl.LabelBud[common::kNord].Caption),
        std::pair(std::string(), std::string("14")))
        << "only the winner's bid stays on show";
    EXPECT_TRUE(HasSequence(rig.CloseAndReadLog(), AuctionBlock(common::kNord, 14, common::kSyd)));
}

TEST(Auction, AllPassingForcesTheComputerDealerToSixAndTheWinnerIsNamedWithTrump) {
    StartedRig rig(RigOptions().BidRules(kNobodyBids));
    const presentation::Announcements say(rig.table.Texts(), presentation::BuildLanguage());
    const common::Control& announce = rig.ctl.LblAnnounce;
    ASSERT_TRUE(rig.RunUntil([&] { return rig.round.myGameStatus == 3; })) << "the auction is over";
    EXPECT_EQ(std::pair(announce.Caption, announce.Visible),
              std::pair(say.ForcedBid(common::kSyd), true));
    EXPECT_EQ(
        std::tuple(rig.round.Hand[0].GeBud(), rig.round.Hand[1].GeBud(), rig.round.Hand[2].GeBud(),
                   rig.round.Hand[3].GeBud(), rig.round.gbBjuditHogst, rig.round.gbHogstaBudet),
        std::tuple(6, 0, 0, 0, common::kSyd, 6))
        << "the others pass and SYD, the dealer, is held to 6";
    ASSERT_TRUE(rig.RunUntil([&] { return rig.round.myGameStatus == 6; }));
    EXPECT_NE(common::ColourIndex(rig.round.gbFarg), -1) << "the forced dealer names a trump";
    EXPECT_EQ(announce.Caption, say.AuctionWon(common::kSyd, 6, rig.round.gbFarg));
    if (presentation::BuildLanguage() == presentation::Language::Svenska) {
        EXPECT_EQ(say.ForcedBid(common::kVast), "Alla passade: Vera (giv) måste bjuda 6.");
        EXPECT_EQ(say.AuctionWon(common::kSyd, 6, common::kHjarter),
                  "Du vann budgivningen med 6, trumf hjärter.");
    }
    const auto log = rig.CloseAndReadLog();
    EXPECT_TRUE(Contains(log, "Pakkobud"));
    EXPECT_TRUE(HasSequence(log, AuctionBlock(common::kSyd, 6, common::kSyd)));
}

TEST(Auction, HumanDealerIsGivenSixWithoutBeingAskedAndEachColourButtonNamesItsTrump) {
    for (int colour_index = 0; colour_index < 4; ++colour_index) {
        SCOPED_TRACE("colour button " + std::to_string(colour_index));
        StartedRig rig(RigOptions().Human().BidRules(kNobodyBids));
        std::vector<std::tuple<state::Decision, int, int>> told;  // kind, seat and choice
        rig.table.decision_taken = [&](const state::SeatView& view, state::Decision kind,
                                       int choice) { told.emplace_back(kind, view.seat, choice); };
        bool asked = false;
        std::vector<std::string> passes_shown;  // the others' bids on show once OST has passed
        ASSERT_TRUE(rig.RunUntil([&] {
            asked = asked || rig.ctl.PBButtonsBackground.Visible;
            if (passes_shown.empty() && rig.round.Hand[common::kOst].GeBud() == 0) {
                passes_shown = {rig.ctl.LabelBud[1].Caption, rig.ctl.LabelBud[2].Caption,
                                rig.ctl.LabelBud[3].Caption};
            }
            return rig.ctl.ImgFargUp[colour_index].Visible;
        })) << "the human, forced to 6, names the trump";
        EXPECT_FALSE(asked) << "the bid panel never opened";
        EXPECT_EQ(passes_shown, std::vector<std::string>(3, "Pass"));
        EXPECT_EQ(std::tuple(rig.round.Hand[common::kSyd].GeBud(), rig.round.gbHogstaBudet,
                             rig.round.gbBjuditHogst, rig.ctl.LabelBud[common::kSyd].Caption,
                             rig.ctl.Label[common::kSyd].ForeColor),
                  std::tuple(6, 6, common::kSyd, "6", common::kYellow))
            << "SYD's name is marked while it names trump";
        constexpr state::Decision kBid = state::Decision::Bid;
        EXPECT_EQ(told,
                  (std::vector<std::tuple<state::Decision, int, int>>{{kBid, common::kVast, 0},
                                                                      {kBid, common::kNord, 0},
                                                                      {kBid, common::kOst, 0},
                                                                      {kBid, common::kSyd, 6}}))
            << "every bid is told, the dealer's forced one too";
        rig.table.ImgFargUp_MouseDown(colour_index);
        rig.table.ImgFargUp_MouseUp(colour_index);
        EXPECT_EQ(rig.round.gbFarg, common::ColourCode(colour_index));
        EXPECT_FALSE(rig.ctl.ImgFargUp[colour_index].Visible) << "the buttons go";
        EXPECT_TRUE(Contains(rig.CloseAndReadLog(), "HUMAN Bids: 6"));
    }
}

TEST(Auction, TheHumanMayPassOrBidWhatTheHighestBidLeavesAndTheLaterOfEqualBidsWins) {
    const struct {
        const char* rules;
        int dealer;
        int highest;              // the highest bid when the panel opens
        int top;                  // the last bid button shown (0 passes, 1 bids 6 ... 9 bids 14)
        int button, bid, winner;  // the button pressed, the bid it makes, the auction's winner
        const char* logged;
    } cases[] = {
        {kOthersBidNine, common::kSyd, 9, 5, 5, 10, common::kSyd, "HUMAN Bids: 10"},
        {kLeadBids14, common::kSyd, 14, 9, 9, 14, common::kSyd, "HUMAN Bids: 14"},
        {kLeadBids14, common::kVast, 14, 9, 0, 0, common::kNord, "HUMAN Bids: PASS"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.logged);
        StartedRig rig(RigOptions().Human().BidRules(c.rules));
        if (c.dealer != common::kSyd) {
            rig.RestartRoundDealtBy(c.dealer);
        }
        ASSERT_TRUE(rig.RunUntil([&] { return rig.ctl.PBButtonsBackground.Visible; }));
        std::vector<int> shown(c.top + 1);
        std::iota(shown.begin(), shown.end(), 0);
        EXPECT_EQ(std::pair(BidButtons(rig.ctl), BidButtons(rig.ctl, table::BidLook::Inactive)),
                  std::pair(shown, std::vector<int>(shown.begin() + 1, shown.end() - 1)))
            << "the bids up to the highest are shown but cannot be made";
        const int suggested = rig.round.Hand[common::kSyd].GeBud();
        for (int refused : {3, 7}) {
            rig.table.PBBid_MouseDown(refused);
            rig.table.PBBid_MouseUp(refused);
            EXPECT_EQ(std::tuple(rig.ctl.PBBidDN[refused].Visible,
                                 rig.ctl.PBButtonsBackground.Visible, rig.round.gbHogstaBudet,
                                 rig.round.Hand[common::kSyd].GeBud(), rig.round.myGameStatus),
                      std::tuple(false, true, c.highest, suggested, 2))
                << "button " << refused << " does nothing";
        }
        rig.table.PBBid_MouseDown(c.button);
        EXPECT_TRUE(rig.ctl.PBBidDN[c.button].Visible);
        rig.table.PBBid_MouseUp(c.button);
        EXPECT_EQ(std::tuple(rig.ctl.PBButtonsBackground.Visible, rig.ctl.PBBidChosen,
                             rig.round.Hand[common::kSyd].GeBud(), rig.round.gbHogstaBudet),
                  std::tuple(false, -1, c.bid, std::max(c.bid, c.highest)));
        ASSERT_TRUE(rig.RunUntil([&] {
            return rig.ctl.ImgFargUp[0].Visible ||
                   rig.table.Timer1().Tag == table::WaitStep::TrumpChosen;
        }));
        EXPECT_EQ(rig.round.gbBjuditHogst, c.winner);
        EXPECT_TRUE(Contains(rig.CloseAndReadLog(), c.logged));
    }
}

}  // namespace
}  // namespace table_test
