// A round rebuilt from a game log gives the play AI what the live round would have: how many
// trumps each seat saw and what the others know of it.
#include <gtest/gtest.h>

#include <array>

#include "support/TableRig.h"

namespace table_test {
namespace {

TEST(ReplayKnowledge, SeenCountsComeFromTheLoggedHoldingsAndBuys) {
    TableRig rig(RigOptions{});
    rig.table.Start();
    // OST deals and takes the rest of the deck: eight trumps that everybody saw him keep.
    rig.folder.Write("dealer-eight.txt",
                     "<VI>\n0\n<DE>\n0\n<BJUDIT_HOGST>\nNORD\n<BUD>\n7\n<PACKE>\nOST\n<FARG>\n"
                     "HJARTER\n<SYD_FORE_KOP>\nK\n<END>\n<VAST_FORE_KOP>\nQ\n<END>\n"
                     "<NORD_FORE_KOP>\nA\nJ\n<END>\n<OST_FORE_KOP>\n10\n9\n8\n<END>\n"
                     "<VAST_KOPER>\n3\n<END>\n<OST_KOPER>\n7\n6\nV\nv\n4\n<END>\n");
    rig.dialogs.file_answers.push_back(rig.folder.File("dealer-eight.txt"));
    rig.table.BtnPlaylog_Click();
    ASSERT_TRUE(rig.dialogs.messages.empty()) << rig.dialogs.messages.front();
    const playai::PlayMemory& memory = rig.table.PlayAi().Memory();
    EXPECT_EQ(memory.JagSer, (std::array<float, 4>{1, 2, 2, 8}));
    EXPECT_EQ(memory.AndraSer, (std::array<float, 4>{1, 1, 2, 8}))
        << "a buy is not seen by the others, the dealer's eight trumps are";
}

}  // namespace
}  // namespace table_test
