// The game log of a round and what a replay takes from it: the dealt cards by colour and face
// (the fivra cards by colour code), and the seen trump counts of the logged holdings.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/TableRig.h"

namespace table_test {
namespace {

TEST(LoggedRound, TheDealLinesNameEveryCardDealtAndNoPlayIsASuggestion) {
    TableRig rig(RigOptions().Seed(11));
    rig.table.Start();
    ASSERT_TRUE(rig.RunToStep(table::WaitStep::BidNext));
    constexpr const char* kPrefix[] = {"Kl ", "Ru ", "Hj ", "Sp "};
    std::vector<std::string> dealt;
    for (const cards::KortHand& hand : rig.table.State().Hand) {
        for (const cards::Kort* card : hand.Cards()) {
            dealt.push_back(card->Typ == "5"
                                ? "(" + std::to_string(card->farg) + ") 5  "
                                : kPrefix[common::ColourIndex(card->farg)] + card->Typ + "  ");
        }
    }
    ASSERT_TRUE(std::any_of(dealt.begin(), dealt.end(), [](auto& c) { return c[0] == '('; }))
        << "the seed deals a five";
    ASSERT_TRUE(rig.RunToRoundEnd());
    const std::vector<std::string> log = rig.CloseAndReadLog();
    EXPECT_EQ(std::count(log.begin(), log.end(), "Suggestion:"), 0) << "no play is a suggestion";
    auto line = std::find(log.begin(), log.end(), "DELAR UT KORT - (6)=Röd Fivra, (9)=Svart Fivra");
    std::string written;
    for (; line != log.end() && *line != "****************"; ++line) {
        written += *line;
    }
    for (const std::string& card : dealt) {
        EXPECT_NE(written.find(card), std::string::npos) << card << " in " << written;
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
