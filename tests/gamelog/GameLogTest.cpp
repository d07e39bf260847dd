// The game log: the file each round is written to, the blocks written into it, and the archive
// that keeps a round's log and picture under a safe name.
#include "gamelog/GameLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "SampleRound.h"
#include "cards/Packe.h"
#include "common/Random.h"
#include "common/ScriptedDialogs.h"
#include "common/SettingsStore.h"
#include "gamelog/Archive.h"
#include "gamelog/LogBlocks.h"
#include "support/TempFolder.h"

namespace gamelog {
namespace {

using gamelog_test::LinesSink;
using test_support::FileText;
using test_support::JoinLines;
using test_support::TempFolder;
using test_support::WriteText;

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

// A log in a folder that is missing, and a log whose file is the full device (opening works,
// every write fails): each is reported once for a run of failing rounds, and the game goes on.
TEST(GameLog, AFailingLogIsReportedOnceAndAgainAfterARecovery) {
    TempFolder folder;
    common::ScriptedDialogs dialogs;
    GameLog lost(folder.File("missing") + "/", dialogs);
    for (int round = 0; round < 3; ++round) {
        lost.Log("a line");
        lost.Log("another line");
        lost.LogClose();
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find(lost.Path()), std::string::npos) << dialogs.messages[0];

    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    dialogs.messages.clear();
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

TEST(LogBlocks, FivesAreNamedByTheTrumpSuitInCardLines) {
    common::Random random(1);
    cards::Packe deck(random);
    // Nr 16..19 are the fives of klöver, ruter, hjärter, spader.
    EXPECT_EQ(CardLine(deck.Card(17), common::kRuter), "V");
    EXPECT_EQ(CardLine(deck.Card(18), common::kRuter), "v") << "the other red five";
    EXPECT_EQ(CardLine(deck.Card(18), common::kHjarter), "V");
    EXPECT_EQ(CardLine(deck.Card(19), common::kKlover), "v") << "the other black five";
    EXPECT_EQ(CardLine(deck.Card(16), common::kKlover), "V");
    EXPECT_EQ(CardLine(deck.Card(36), common::kKlover), "10");
    EXPECT_EQ(CardLine(deck.Card(0), common::kKlover), "A");
}

TEST(LogBlocks, RoundStartListsTheDeckWithOwnSuitColoursAndSignedTotals) {
    common::Random random(7);
    cards::Packe deck(random);
    deck.Saka();
    LinesSink log;
    LogRoundStart(log, -28, 47, deck);

    ASSERT_EQ(log.lines.size(), 6u + 52u + 2u);
    EXPECT_EQ(JoinLines({log.lines.begin(), log.lines.begin() + 6}, "|"),
              "<VI>|-28|<DE>|47|1-klover,2-ruter,4-hjarter,8-spader|<PACKE_KOMPLETT>|");
    EXPECT_EQ(JoinLines({log.lines.begin() + 58, log.lines.end()}, "|"), "<END>||");
    for (int i = 1; i <= 52; ++i) {
        const cards::Kort& card = deck.Card(std::stoi(deck.OrderRecord()[i]));
        EXPECT_EQ(log.lines[5 + i], DeckLine(card)) << "deck position " << i;
    }
    const std::vector<std::string> fives = {"16 , 5 , 1", "17 , 5 , 2", "18 , 5 , 4", "19 , 5 , 8"};
    for (const std::string& five : fives) {
        EXPECT_NE(std::find(log.lines.begin(), log.lines.end(), five), log.lines.end()) << five;
    }
}

TEST(LogBlocks, ForeKopListsOnlyTrumpCardsOfEverySeatInHandOrder) {
    common::Random random(3);
    cards::Packe deck(random);
    state::RoundState round;
    round.gbFarg = common::kHjarter;
    // SYD: ace of hjärter, five of ruter (v), a spader; VAST: nothing of the trump;
    // NORD: five of hjärter (V), two of hjärter; OST: king of klöver.
    for (const auto& [seat, nr] :
         {std::pair{0, 2}, {0, 17}, {0, 3}, {1, 16}, {2, 18}, {2, 6}, {3, 48}}) {
        round.Hand[seat].AddACardOSort(&deck.Card(nr));
    }
    LinesSink log;
    LogForeKop(log, round);

    const std::string rule = "===================================|";
    EXPECT_EQ(JoinLines(log.lines, "|"), rule +
                                             "<SYD_FORE_KOP>|A|v|<END>||<VAST_FORE_KOP>|<END>||"
                                             "<NORD_FORE_KOP>|V|2|<END>||<OST_FORE_KOP>|<END>||" +
                                             rule);
}

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
