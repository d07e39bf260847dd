// The game log's account of a round and what a replay takes from it: each dealt packet on its
// seat's line, every card by colour and face and the fivra cards by colour code, no computer
// play marked as a suggestion; and the seen trump counts rebuilt from the logged holdings.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/TableRig.h"

namespace table_test {
namespace {

TEST(LoggedRound, EachSeatsDealLinesNameItsNineCardsAndNoPlayIsASuggestion) {
    TableRig rig(RigOptions().Seed(11));
    rig.table.Start();
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    constexpr const char* kPrefix[] = {"Kl ", "Ru ", "Hj ", "Sp "};
    std::array<std::vector<std::string>, common::kSeats> dealt;
    int fives = 0;
    for (int s = 0; s < common::kSeats; ++s) {
        for (const cards::Kort* card : rig.table.State().Hand[s].Cards()) {
            const bool five = card->Typ == "5";
            fives += five ? 1 : 0;
            dealt[s].push_back(five ? "(" + std::to_string(card->farg) + ") 5  "
                                    : kPrefix[common::ColourIndex(card->farg)] + card->Typ + "  ");
        }
    }
    ASSERT_GT(fives, 0) << "the seed deals a five";
    ASSERT_TRUE(rig.RunToRoundEnd());
    const std::vector<std::string> log = rig.CloseAndReadLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "Suggestion:"), 0);
    auto line = std::find(log.begin(), log.end(), "DELAR UT KORT - (6)=Röd Fivra, (9)=Svart Fivra");
    std::array<std::string, common::kSeats> written;
    for (; line != log.end() && *line != "****************"; ++line) {
        for (int s = 0; s < common::kSeats; ++s) {
            if (line->rfind(std::string(common::SeatName(s)) + " ", 0) == 0) {
                written[s] += line->substr(7);
            }
        }
    }
    for (int s = 0; s < common::kSeats; ++s) {
        for (const std::string& card : dealt[s]) {
            EXPECT_NE(written[s].find(card), std::string::npos) << card << " in " << written[s];
        }
    }
}

TEST(LoggedRound, AReplayGivesThePlayAiTheSeenCountsOfTheLoggedHoldingsAndBuys) {
    TableRig rig(RigOptions{});
    rig.table.Start();
    // OST deals and takes the rest of the deck: eight trumps that everybody saw him keep.
    rig.folder.Write("eight.txt",
                     "<VI>\n0\n<DE>\n0\n<BJUDIT_HOGST>\nNORD\n<BUD>\n7\n<PACKE>\nOST\n<FARG>\n"
                     "HJARTER\n<SYD_FORE_KOP>\nK\n<END>\n<VAST_FORE_KOP>\nQ\n<END>\n"
                     "<NORD_FORE_KOP>\nA\nJ\n<END>\n<OST_FORE_KOP>\n10\n9\n8\n<END>\n"
                     "<VAST_KOPER>\n3\n<END>\n<OST_KOPER>\n7\n6\nV\nv\n4\n<END>\n");
    rig.dialogs.file_answers.push_back(rig.folder.File("eight.txt"));
    rig.table.BtnPlaylog_Click();
    ASSERT_TRUE(rig.dialogs.messages.empty()) << rig.dialogs.messages.front();
    const playai::PlayMemory& memory = rig.table.PlayAi().Memory();
    EXPECT_EQ(memory.JagSer, (std::array<float, 4>{1, 2, 2, 8}));
    EXPECT_EQ(memory.AndraSer, (std::array<float, 4>{1, 1, 2, 8}))
        << "a buy is not seen by the others, the dealer's eight trumps are";
}

}  // namespace
}  // namespace table_test
