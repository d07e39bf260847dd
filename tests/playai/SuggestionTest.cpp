#include "PlayTable.h"
#include "playai/Suggestion.h"
#include "support/TempFolder.h"

namespace playai::test {
namespace {

TEST(Suggestion, FindsTheLanguageLineOfTheCodeInTheSection) {
    const test_support::TempFolder folder;
    folder.Write("hints.txt",
                 "<INBID>\r\nCODE,LEAD\r\n<SVENSKA>\r\nBud-text\r\n"
                 "<INPLAY>\r\nCODE,\r\n<SVENSKA>\r\nTom kod\r\n"
                 "CODE,LEAD\r\n<ENGLISH>\r\nLead high\r\n<SVENSKA>\r\nSpela högt\r\n");
    const std::string path = folder.File("hints.txt");
    EXPECT_EQ(GetSuggestionText(path, "<INPLAY>", "LEAD", "<SVENSKA>"), "Spela högt");
    EXPECT_EQ(GetSuggestionText(path, "<INPLAY>", "LEAD", "<ENGLISH>"), "Lead high");
    EXPECT_EQ(GetSuggestionText(path, "<INPLAY>", "", "<SVENSKA>"), "Tom kod");
    EXPECT_EQ(GetSuggestionText(path, "<INPLAY>", "NONE", "<SVENSKA>"), "!?!");
    EXPECT_EQ(GetSuggestionText(path, "<OTHER>", "LEAD", "<SVENSKA>"), "!?!");
    EXPECT_EQ(GetSuggestionText(path + ".missing", "<INPLAY>", "LEAD", "<SVENSKA>"), "!?!");
}

}  // namespace
}  // namespace playai::test
