// The game log: the file each round is written to, and the blocks written into it.
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
#include "gamelog/LogBlocks.h"
#include "support/TempFolder.h"

namespace gamelog {
namespace {

using gamelog_test::LinesSink;
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

// The lines joined with '|', to compare a block with its expected text in one piece.
std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "|";
    }
    return text;
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
    EXPECT_EQ(Joined({log.lines.begin(), log.lines.begin() + 6}),
              "<VI>|-28|<DE>|47|1-klover,2-ruter,4-hjarter,8-spader|<PACKE_KOMPLETT>|");
    EXPECT_EQ(Joined({log.lines.begin() + 58, log.lines.end()}), "<END>||");
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
    round.Hand[0].AddACardOSort(&deck.Card(2));
    round.Hand[0].AddACardOSort(&deck.Card(17));
    round.Hand[0].AddACardOSort(&deck.Card(3));
    round.Hand[1].AddACardOSort(&deck.Card(16));
    round.Hand[2].AddACardOSort(&deck.Card(18));
    round.Hand[2].AddACardOSort(&deck.Card(6));
    round.Hand[3].AddACardOSort(&deck.Card(48));
    LinesSink log;
    LogForeKop(log, round);

    const std::string rule = "===================================|";
    EXPECT_EQ(Joined(log.lines), rule +
                                     "<SYD_FORE_KOP>|A|v|<END>||<VAST_FORE_KOP>|<END>||"
                                     "<NORD_FORE_KOP>|V|2|<END>||<OST_FORE_KOP>|<END>||" +
                                     rule);
}

}  // namespace
}  // namespace gamelog
