#include "gamelog/LogReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "SampleRound.h"
#include "common/FieldReader.h"
#include "common/ScriptedDialogs.h"
#include "gamelog/GameLog.h"
#include "support/TempFolder.h"

namespace gamelog {
namespace {

using gamelog_test::LinesSink;
using gamelog_test::SampleRound;
using test_support::TempFolder;
using test_support::WriteText;

using Lines = std::vector<std::string>;

std::string Joined(const Lines& lines, const std::string& end = "\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

TEST(LogReader, ALogWrittenByTheGameReadsBackTheSameRound) {
    TempFolder folder;
    common::ScriptedDialogs dialogs;
    GameLog log(folder.Folder(), dialogs);
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        const SampleRound sample = gamelog_test::WriteSampleRound(log, seed);
        log.LogClose();

        const auto reload = ReadReloadLog(log.Path());
        ASSERT_TRUE(std::holds_alternative<ReloadLog>(reload))
            << std::get<LogError>(reload).message;
        const ReloadLog& deck = std::get<ReloadLog>(reload);
        for (int i = 1; i <= 52; ++i) {
            ASSERT_EQ(deck.order[i], sample.order[i]) << "seed " << seed << ", position " << i;
        }
        EXPECT_EQ(deck.gbVi, sample.gbVi);
        EXPECT_EQ(deck.gbDe, sample.gbDe);
        EXPECT_EQ(deck.dealer, sample.dealer);

        const auto replay = ReadReplayLog(log.Path());
        ASSERT_TRUE(std::holds_alternative<ReplayLog>(replay))
            << std::get<LogError>(replay).message;
        const ReplayLog& round = std::get<ReplayLog>(replay);
        EXPECT_EQ(round.gbVi, sample.gbVi);
        EXPECT_EQ(round.gbDe, sample.gbDe);
        EXPECT_EQ(round.bidder, sample.bidder);
        EXPECT_EQ(round.bid, sample.bid);
        EXPECT_EQ(round.dealer, sample.dealer);
        EXPECT_EQ(round.trump, sample.trump);
        EXPECT_EQ(round.fore_kop, sample.fore_kop) << "seed " << seed;
        EXPECT_EQ(round.koper, sample.koper) << "seed " << seed;
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(LogReader, CrlfLinesAndBlankLinesInsideListsReadTheSame) {
    TempFolder folder;
    LinesSink log;
    const SampleRound sample = gamelog_test::WriteSampleRound(log, 11);
    Lines lines = log.lines;
    const auto fore = std::find(lines.begin(), lines.end(), "<SYD_FORE_KOP>");
    ASSERT_NE(fore, lines.end());
    lines.insert(fore + 1, "   ");
    const std::string path = folder.File("crlf.txt");
    WriteText(path, Joined(lines, "\r\n"));

    const auto reload = ReadReloadLog(path);
    ASSERT_TRUE(std::holds_alternative<ReloadLog>(reload)) << std::get<LogError>(reload).message;
    EXPECT_EQ(std::get<ReloadLog>(reload).order[52], sample.order[52]);
    const auto replay = ReadReplayLog(path);
    ASSERT_TRUE(std::holds_alternative<ReplayLog>(replay)) << std::get<LogError>(replay).message;
    EXPECT_EQ(std::get<ReplayLog>(replay).fore_kop, sample.fore_kop);
    EXPECT_EQ(std::get<ReplayLog>(replay).trump, sample.trump);
}

// Edits of a good log; every edit names what the replay and the reload must say about it
// (empty: the way does not need what was broken and must still read the log).
struct BadLog {
    std::string name;
    std::function<void(Lines&)> edit;
    std::string replay_problem;
    std::string reload_problem;
};

std::size_t IndexOf(const Lines& lines, const std::string& line) {
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), line) - lines.begin());
}

void RemoveTag(Lines& lines, const std::string& tag) {
    const std::size_t at = IndexOf(lines, tag);
    lines.erase(lines.begin() + static_cast<long>(at), lines.begin() + static_cast<long>(at) + 2);
}

void SetValue(Lines& lines, const std::string& tag, const std::string& value) {
    lines[IndexOf(lines, tag) + 1] = value;
}

void InsertAfter(Lines& lines, const std::string& tag, const Lines& inserted) {
    lines.insert(lines.begin() + static_cast<long>(IndexOf(lines, tag)) + 1, inserted.begin(),
                 inserted.end());
}

void ReplaceList(Lines& lines, const std::string& tag, const Lines& cards) {
    const auto from = lines.begin() + static_cast<long>(IndexOf(lines, tag)) + 1;
    lines.erase(from, std::find(from, lines.end(), "<END>"));
    InsertAfter(lines, tag, cards);
}

// Leaves every card list empty, so that cards can be listed without being listed twice.
void ClearLists(Lines& lines) {
    bool in_list = false;
    std::erase_if(lines, [&](const std::string& line) {
        if (line.ends_with("_KOP>") || line.ends_with("OPER>")) {
            in_list = true;
            return false;
        }
        in_list = in_list && line != "<END>";
        return in_list;
    });
}

std::vector<BadLog> BadLogs() {
    const auto deck_line = [](Lines& lines, int position) -> std::string& {
        return lines[IndexOf(lines, "<PACKE_KOMPLETT>") + static_cast<std::size_t>(position)];
    };
    return {
        {"no bidder", [](Lines& l) { RemoveTag(l, "<BJUDIT_HOGST>"); }, "<BJUDIT_HOGST>", ""},
        {"no bid", [](Lines& l) { RemoveTag(l, "<BUD>"); }, "<BUD>", ""},
        {"no trump", [](Lines& l) { RemoveTag(l, "<FARG>"); }, "<FARG>", ""},
        {"no dealer", [](Lines& l) { RemoveTag(l, "<PACKE>"); }, "<PACKE>", "<PACKE>"},
        {"no VI", [](Lines& l) { RemoveTag(l, "<VI>"); }, "<VI>", "<VI>"},
        {"no DE", [](Lines& l) { RemoveTag(l, "<DE>"); }, "<DE>", "<DE>"},
        {"no deck", [](Lines& l) { l[IndexOf(l, "<PACKE_KOMPLETT>")] = "<PACKE>"; }, "",
         "<PACKE_KOMPLETT>"},
        {"unknown bidder", [](Lines& l) { SetValue(l, "<BJUDIT_HOGST>", "NORTH"); }, "\"NORTH\"",
         ""},
        {"unknown dealer", [](Lines& l) { SetValue(l, "<PACKE>", "Syd"); }, "\"Syd\"", "\"Syd\""},
        {"unknown colour", [](Lines& l) { SetValue(l, "<FARG>", "BLUE"); }, "\"BLUE\"", ""},
        {"bid not a number", [](Lines& l) { SetValue(l, "<BUD>", "sju"); },
         "\"sju\" is not a whole number", ""},
        {"bid with trailing text", [](Lines& l) { SetValue(l, "<BUD>", "8x"); },
         "is not a whole number", ""},
        {"bid too high", [](Lines& l) { SetValue(l, "<BUD>", "15"); }, "outside 6 to 14", ""},
        {"bid too low", [](Lines& l) { SetValue(l, "<BUD>", "5"); }, "outside 6 to 14", ""},
        {"total not a number", [](Lines& l) { SetValue(l, "<VI>", "abc"); },
         "is not a whole number", "is not a whole number"},
        {"total too large", [](Lines& l) { SetValue(l, "<DE>", "99999999999"); },
         "not a whole number", "not a whole number"},
        {"total out of range", [](Lines& l) { SetValue(l, "<VI>", "-200000"); }, "out of range",
         "out of range"},
        {"tag as last line", [](Lines& l) { l.push_back("<BUD>"); }, "has no value", ""},
        {"no trump card", [](Lines& l) { InsertAfter(l, "<OST_FORE_KOP>", {"Z"}); },
         "\"Z\" in the list <OST_FORE_KOP> is no trump card", ""},
        {"a five is no card line", [](Lines& l) { InsertAfter(l, "<SYD_FORE_KOP>", {"5"}); },
         "\"5\"", ""},
        {"list too long",
         [](Lines& l) {
             ClearLists(l);
             ReplaceList(l, "<VAST_FORE_KOP>",
                         {"A", "K", "Q", "J", "10", "9", "8", "7", "6", "V", "v"});
         },
         "more than 10", ""},
        {"card listed twice",
         [](Lines& l) {
             InsertAfter(l, "<SYD_FORE_KOP>", {"J"});
             InsertAfter(l, "<OST_FORE_KOP>", {"J"});
         },
         "already listed in <SYD_FORE_KOP>", ""},
        {"list tag of no seat",
         [](Lines& l) { InsertAfter(l, "HUMAN Bids: PASS", {"<WEST_KOPER>"}); }, "names no seat",
         ""},
        {"deck cut short", [](Lines& l) { l.resize(IndexOf(l, "<PACKE_KOMPLETT>") + 31); },
         "<BJUDIT_HOGST>", "lists only 30 of the 52"},
        {"deck line missing",
         [](Lines& l) {
             l.erase(l.begin() + static_cast<long>(IndexOf(l, "<PACKE_KOMPLETT>")) + 5);
         },
         "", "\"<END>\" is not one of 0 to 51"},
        {"deck number twice", [=](Lines& l) { deck_line(l, 9) = deck_line(l, 3); }, "",
         "appears twice"},
        {"deck number too large", [=](Lines& l) { deck_line(l, 40) = "52 , K , 8"; }, "",
         "\"52\" is not one of 0 to 51"},
        {"deck number negative", [=](Lines& l) { deck_line(l, 1) = "-1 , A , 1"; }, "",
         "\"-1\" is not one of 0 to 51"},
        {"deck number text", [=](Lines& l) { deck_line(l, 52) = "ten , 10 , 2"; }, "", "\"ten\""},
    };
}

template <typename Result>
void ExpectRead(const Result& result, const std::string& problem, const std::string& path,
                const std::string& way, const std::string& name) {
    const std::string what = way + " of \"" + name + "\"";
    if (problem.empty()) {
        EXPECT_FALSE(std::holds_alternative<LogError>(result))
            << what << ": " << std::get<LogError>(result).message;
        return;
    }
    ASSERT_TRUE(std::holds_alternative<LogError>(result)) << what << " must be refused";
    const std::string& message = std::get<LogError>(result).message;
    EXPECT_NE(message.find(path), std::string::npos) << what << ": " << message;
    EXPECT_NE(message.find(problem), std::string::npos)
        << what << ": expected \"" << problem << "\" in: " << message;
}

TEST(LogReader, MalformedLogsAreRefusedWithAMessageNamingFileAndProblem) {
    TempFolder folder;
    LinesSink log;
    gamelog_test::WriteSampleRound(log, 5);
    const std::string path = folder.File("bad.txt");
    for (const BadLog& bad : BadLogs()) {
        Lines lines = log.lines;
        bad.edit(lines);
        WriteText(path, Joined(lines));
        ExpectRead(ReadReplayLog(path), bad.replay_problem, path, "replay", bad.name);
        ExpectRead(ReadReloadLog(path), bad.reload_problem, path, "reload", bad.name);
    }

    const std::string missing = folder.File("none.txt");
    ExpectRead(ReadReplayLog(missing), "cannot be opened", missing, "replay", "missing file");
    ExpectRead(ReadReloadLog(missing), "cannot be opened", missing, "reload", "missing file");
    WriteText(path, "");
    ExpectRead(ReadReplayLog(path), "is empty", path, "replay", "empty file");
    ExpectRead(ReadReloadLog(path), "is empty", path, "reload", "empty file");
    ExpectRead(ReadReloadLog(folder.Folder()), "is not a plain file", folder.Folder(), "reload",
               "a folder");
    EXPECT_TRUE(std::holds_alternative<LogError>(ReadReplayLog("")));

    // Line ends only: far above a round's size it is refused unread, below it every line is
    // looked at and the missing tags are told.
    WriteText(path, std::string((4u << 20) + 1, '\n'));
    ExpectRead(ReadReplayLog(path), "is too large", path, "replay", "huge file");
    ExpectRead(ReadReloadLog(path), "is too large", path, "reload", "huge file");
    WriteText(path, std::string(3u << 20, '\n'));
    ExpectRead(ReadReplayLog(path), "has no", path, "replay", "only line ends");
    ExpectRead(ReadReloadLog(path), "has no", path, "reload", "only line ends");
}

}  // namespace
}  // namespace gamelog
