#include "gamelog/Archive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/ScriptedDialogs.h"
#include "common/SettingsStore.h"
#include "gamelog/GameLog.h"
#include "support/TempFolder.h"

namespace gamelog {
namespace {

using test_support::FileText;
using test_support::TempFolder;
using test_support::WriteText;

TEST(SafeAttribute, KeepsNamesInsideTheProgramFolder) {
    // Folder steps, control and NUL characters, cut or overlong UTF-8, a right-to-left
    // override and a C1 line break go; letters beyond ASCII stay.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"../x", "x"},
        {"a/b\\c", "abc"},
        {"..\\..\\Windows:system32", "Windowssystem32"},
        {"tab\there\nline\r\x01\x7f", "tabhereline"},
        {std::string("a\0b", 3), "ab"},
        {"  lead blank  ", "lead blank"},
        {"Hjärter-öppning_2", "Hjärter-öppning_2"},
        {"a\xC3", "a"},
        {"a\xC0\xAF", "a"},
        {"a\u202Eb", "ab"},
        {"a\u0085b", "ab"},
        {"*?<>|\"'.", ""},
    };
    for (const auto& [name, safe] : cases) {
        EXPECT_EQ(SafeAttribute(name), safe) << name;
    }
    EXPECT_LE(SafeAttribute(std::string(500, 'z')).size(), 64u);
    EXPECT_LE(SafeAttribute(std::string(200, 'x') + "\xC3\xA5").size(), 64u);
}

struct ArchiveFixture : testing::Test {
    TempFolder folder;
    common::MemorySettingsStore settings;
    common::ScriptedDialogs dialogs;
    std::vector<std::string> saved;  // pictures saved, by path
    bool picture_existed_at_save = false;

    std::function<bool(const std::string&)> SavePicture(bool succeed = true) {
        return [this, succeed](const std::string& path) {
            picture_existed_at_save = std::filesystem::exists(path);
            saved.push_back(path);
            WriteText(path, succeed ? "BM" : "");  // a failed save may leave an empty file
            return succeed;
        };
    }
    std::string Counter() { return settings.RegReadSetting("local", "Statistic", "Debug", "0"); }
};

TEST_F(ArchiveFixture, CopiesTheLogAndThePictureUnderARisingNumber) {
    WriteText(folder.File("Fivralog.txt"), "round one\n");
    WriteText(folder.File("FivraDEBUG_0_odd lead.bmp"), "old picture");
    ArchiveLog(folder.Folder(), "odd lead", settings, SavePicture(), dialogs);
    EXPECT_EQ(FileText(folder.File("FivraLOG_0_odd lead.txt")), "round one\n");
    EXPECT_EQ(saved, std::vector<std::string>{folder.File("FivraDEBUG_0_odd lead.bmp")});
    EXPECT_FALSE(picture_existed_at_save) << "an old picture is deleted before saving";
    EXPECT_EQ(Counter(), "1");

    WriteText(folder.File("Fivralog.txt"), "round two\n");
    ArchiveLog(folder.Folder(), "../../escape", settings, SavePicture(), dialogs);
    EXPECT_EQ(FileText(folder.File("FivraLOG_1_escape.txt")), "round two\n");
    EXPECT_EQ(saved.back(), folder.File("FivraDEBUG_1_escape.bmp"));
    EXPECT_EQ(Counter(), "2");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ArchiveFixture, FailuresAreReportedByFileNameAndTheCounterStillMoves) {
    ArchiveLog(folder.Folder(), "x", settings, SavePicture(false), dialogs);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const std::string& message = dialogs.messages[0];
    EXPECT_NE(message.find(folder.File("Fivralog.txt")), std::string::npos) << message;
    EXPECT_NE(message.find(folder.File("FivraDEBUG_0_x.bmp")), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(folder.File("FivraDEBUG_0_x.bmp"))) << "no empty file";
    EXPECT_EQ(Counter(), "1");
}

// Links where the game writes: the game log and an archive that point elsewhere are never
// written through.
TEST_F(ArchiveFixture, LinksAreNeverWrittenThrough) {
    namespace fs = std::filesystem;
    TempFolder elsewhere;
    WriteText(elsewhere.File("precious.txt"), "keep me\n");
    fs::create_symlink(elsewhere.File("precious.txt"), folder.File("Fivralog.txt"));
    fs::create_symlink(elsewhere.File("made.txt"), folder.File("FivraLOG_0_x.txt"));
    GameLog log(folder.Folder(), dialogs);
    log.Log("a round");
    log.LogClose();
    EXPECT_EQ(FileText(elsewhere.File("precious.txt")), "keep me\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("link"), std::string::npos) << dialogs.messages[0];

    fs::remove(folder.File("Fivralog.txt"));
    WriteText(folder.File("Fivralog.txt"), "round\n");
    ArchiveLog(folder.Folder(), "x", settings, SavePicture(), dialogs);
    EXPECT_FALSE(fs::exists(elsewhere.File("made.txt"))) << "a dangling link is taken";
    EXPECT_EQ(FileText(folder.File("FivraLOG_1_x.txt")), "round\n");
}

TEST_F(ArchiveFixture, ABrokenOrResetCounterNeverOverwritesAnEarlierReport) {
    WriteText(folder.File("Fivralog.txt"), "new\n");
    WriteText(folder.File("FivraLOG_0_x.txt"), "earlier report\n");
    settings.RegWriteSetting("local", "Statistic", "Debug", "zwei");
    ArchiveLog(folder.Folder(), "x", settings, SavePicture(), dialogs);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("\"zwei\""), std::string::npos) << dialogs.messages[0];
    EXPECT_EQ(FileText(folder.File("FivraLOG_0_x.txt")), "earlier report\n");
    EXPECT_EQ(FileText(folder.File("FivraLOG_1_x.txt")), "new\n");
    EXPECT_EQ(Counter(), "2");
}

}  // namespace
}  // namespace gamelog
