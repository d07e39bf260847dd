#include "gamelog/GameLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace gamelog {
namespace {

using test_support::FileText;
using test_support::TempFolder;

TEST(GameLog, EachBlockReachesTheFileWhenItEndsAndEachRoundIsWrittenAfreshWithLfLineEnds) {
    TempFolder folder;
    common::ScriptedDialogs dialogs;
    GameLog log(folder.Folder(), dialogs);
    EXPECT_EQ(log.Path(), folder.File("Fivralog.txt"));
    log.Log("<BUD>");
    log.Log("7");
    log.EndBlock();
    EXPECT_EQ(FileText(log.Path()), "<BUD>\n7\n") << "a finished block is on disk at once";
    log.Log("");
    log.Log("Hjärter\nline two");
    log.EndBlock();
    EXPECT_EQ(FileText(log.Path()), "<BUD>\n7\n\nHjärter\nline two\n");
    log.EndBlock();
    log.LogClose();
    EXPECT_EQ(FileText(log.Path()), "<BUD>\n7\n\nHjärter\nline two\n");
    log.EndBlock();  // nothing open: nothing happens

    log.Log("second round");
    log.LogClose();
    EXPECT_EQ(FileText(log.Path()), "second round\n") << "a new round truncates the file";
    log.LogClose();
    EXPECT_EQ(FileText(log.Path()), "second round\n") << "closing twice keeps the round";

    log.SetEnabled(false);
    log.Log("dropped");
    log.LogClose();
    EXPECT_EQ(FileText(log.Path()), "second round\n") << "logging off writes nothing";
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(GameLog, AFolderThatCannotBeWrittenIsReportedOnceAndTheGameGoesOn) {
    TempFolder folder;
    common::ScriptedDialogs dialogs;
    GameLog log(folder.File("missing") + "/", dialogs);
    for (int round = 0; round < 3; ++round) {
        log.Log("a line");
        log.Log("another line");
        log.LogClose();
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find(log.Path()), std::string::npos) << dialogs.messages[0];
}

// A log whose file is the full device: opening works, every write fails.
TEST(GameLog, AFullDiskIsReportedOnceAndAgainAfterARecovery) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    TempFolder folder;
    common::ScriptedDialogs dialogs;
    GameLog log(folder.Folder(), dialogs);
    std::filesystem::create_symlink("/dev/full", log.Path());
    const std::string line(200, 'x');
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 200; ++i) {
            log.Log(line);
        }
        log.LogClose();
    }
    ASSERT_EQ(dialogs.messages.size(), 1u) << "one report for a run of failing rounds";
    EXPECT_NE(dialogs.messages[0].find(log.Path()), std::string::npos);

    std::filesystem::remove(log.Path());
    log.Log("a good round");
    log.LogClose();
    EXPECT_EQ(FileText(log.Path()), "a good round\n");

    std::filesystem::remove(log.Path());
    std::filesystem::create_symlink("/dev/full", log.Path());
    log.Log(line);
    log.LogClose();
    EXPECT_EQ(dialogs.messages.size(), 2u) << "a new failure after a good round is reported";
}

}  // namespace
}  // namespace gamelog
