#include "gamelog/LogReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
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
using test_support::JoinLines;
using test_support::TempFolder;
using test_support::WriteText;

using Lines = std::vector<std::string>;

// The facts a replay log and the sample round both hold.
template <typename Round>
auto Facts(const Round& r) {
    return std::tie(r.gbVi, r.gbDe, r.bidder, r.bid, r.dealer, r.trump, r.fore_kop, r.koper);
}

TEST(LogReader, ALogWrittenByTheGameReadsBackTheSameRoundAlsoWithCrlfAndBlankLines) {
    TempFolder folder;
    common::ScriptedDialogs dialogs;
    GameLog log(folder.Folder(), dialogs);
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        const SampleRound sample = gamelog_test::WriteSampleRound(log, seed);
        log.LogClose();
        // The same round with CRLF line ends and a line of blanks inside a list.
        Lines lines = common::SplitLines(test_support::FileText(log.Path()));
        lines.insert(std::find(lines.begin(), lines.end(), "<SYD_FORE_KOP>") + 1, "   ");
        WriteText(folder.File("crlf.txt"), JoinLines(lines, "\r\n"));
        for (const std::string& path : {log.Path(), folder.File("crlf.txt")}) {
            SCOPED_TRACE(path + ", seed " + std::to_string(seed));
            const auto reload = ReadReloadLog(path);
            ASSERT_TRUE(std::holds_alternative<ReloadLog>(reload))
                << std::get<LogError>(reload).message;
            const ReloadLog& deck = std::get<ReloadLog>(reload);
            EXPECT_TRUE(
                std::equal(deck.order.begin() + 1, deck.order.end(), sample.order.begin() + 1));
            EXPECT_EQ(std::tie(deck.gbVi, deck.gbDe, deck.dealer),
                      std::tie(sample.gbVi, sample.gbDe, sample.dealer));
            const auto replay = ReadReplayLog(path);
            ASSERT_TRUE(std::holds_alternative<ReplayLog>(replay))
                << std::get<LogError>(replay).message;
            EXPECT_EQ(Facts(std::get<ReplayLog>(replay)), Facts(sample));
        }
    }
    EXPECT_TRUE(dialogs.messages.empty());
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

using Edit = std::function<void(Lines&)>;

Edit Remove(const std::string& tag) {
    return [=](Lines& l) {
        const auto at = l.begin() + static_cast<long>(IndexOf(l, tag));
        l.erase(at, at + 2);
    };
}

Edit Set(const std::string& tag, const std::string& value) {
    return [=](Lines& l) { l[IndexOf(l, tag) + 1] = value; };
}

Edit Insert(const std::string& tag, const Lines& cards) {
    return [=](Lines& l) {
        l.insert(l.begin() + static_cast<long>(IndexOf(l, tag)) + 1, cards.begin(), cards.end());
    };
}

Edit SetDeck(std::size_t position, const std::string& line) {
    return [=](Lines& l) { l[IndexOf(l, "<PACKE_KOMPLETT>") + position] = line; };
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
    const std::string whole = "is not a whole number";
    const std::string not_a_card = " is not one of 0 to 51";
    return {
        {"no bidder", Remove("<BJUDIT_HOGST>"), "<BJUDIT_HOGST>", ""},
        {"no bid", Remove("<BUD>"), "<BUD>", ""},
        {"no trump", Remove("<FARG>"), "<FARG>", ""},
        {"no dealer", Remove("<PACKE>"), "<PACKE>", "<PACKE>"},
        {"no VI", Remove("<VI>"), "<VI>", "<VI>"},
        {"no DE", Remove("<DE>"), "<DE>", "<DE>"},
        {"no deck", SetDeck(0, "<PACKE>"), "", "<PACKE_KOMPLETT>"},
        {"unknown bidder", Set("<BJUDIT_HOGST>", "NORTH"), "\"NORTH\"", ""},
        {"unknown dealer", Set("<PACKE>", "Syd"), "\"Syd\"", "\"Syd\""},
        {"unknown colour", Set("<FARG>", "BLUE"), "\"BLUE\"", ""},
        {"bid not a number", Set("<BUD>", "sju"), "\"sju\" " + whole, ""},
        {"bid with trailing text", Set("<BUD>", "8x"), whole, ""},
        {"bid too high", Set("<BUD>", "15"), "outside 6 to 14", ""},
        {"bid too low", Set("<BUD>", "5"), "outside 6 to 14", ""},
        {"total not a number", Set("<VI>", "abc"), whole, whole},
        {"total too large", Set("<DE>", "99999999999"), whole, whole},
        {"total out of range", Set("<VI>", "-200000"), "out of range", "out of range"},
        {"tag as last line", [](Lines& l) { l.push_back("<BUD>"); }, "has no value", ""},
        {"no trump card", Insert("<OST_FORE_KOP>", {"Z"}),
         "\"Z\" in the list <OST_FORE_KOP> is no trump card", ""},
        {"a five is no card line", Insert("<SYD_FORE_KOP>", {"5"}), "\"5\"", ""},
        {"list too long",
         [](Lines& l) {
             ClearLists(l);
             Insert("<VAST_FORE_KOP>", {"A", "K", "Q", "J", "10", "9", "8", "7", "6", "V", "v"})(l);
         },
         "more than 10", ""},
        {"card listed twice",
         [](Lines& l) {
             Insert("<SYD_FORE_KOP>", {"J"})(l);
             Insert("<OST_FORE_KOP>", {"J"})(l);
         },
         "already listed in <SYD_FORE_KOP>", ""},
        {"list tag of no seat", Insert("HUMAN Bids: PASS", {"<WEST_KOPER>"}), "names no seat", ""},
        {"deck cut short", [](Lines& l) { l.resize(IndexOf(l, "<PACKE_KOMPLETT>") + 31); },
         "<BJUDIT_HOGST>", "lists only 30 of the 52"},
        {"deck line missing",
         [](Lines& l) {
             l.erase(l.begin() + static_cast<long>(IndexOf(l, "<PACKE_KOMPLETT>")) + 5);
         },
         "", "\"<END>\"" + not_a_card},
        {"deck number twice",
         [](Lines& l) { SetDeck(9, l[IndexOf(l, "<PACKE_KOMPLETT>") + 3])(l); }, "",
         "appears twice"},
        {"deck number too large", SetDeck(40, "52 , K , 8"), "", "\"52\"" + not_a_card},
        {"deck number negative", SetDeck(1, "-1 , A , 1"), "", "\"-1\"" + not_a_card},
        {"deck number text", SetDeck(52, "ten , 10 , 2"), "", "\"ten\""},
    };
}

// A reader's result refused with a message naming the file and `problem`, or read when
// `problem` is empty.
template <typename Result>
void ExpectRead(const Result& result, const std::string& problem, const std::string& path,
                const std::string& way, const std::string& name) {
    const auto* error = std::get_if<LogError>(&result);
    const std::string message = error != nullptr ? error->message : "";
    EXPECT_TRUE(problem.empty() ? error == nullptr
                                : message.find(path) != std::string::npos &&
                                      message.find(problem) != std::string::npos)
        << way << " of \"" << name << "\": expected \"" << problem << "\", got: " << message;
}

TEST(LogReader, MalformedLogsAreRefusedWithAMessageNamingFileAndProblem) {
    TempFolder folder;
    LinesSink log;
    gamelog_test::WriteSampleRound(log, 5);
    const std::string path = folder.File("bad.txt");
    for (const BadLog& bad : BadLogs()) {
        Lines lines = log.lines;
        bad.edit(lines);
        WriteText(path, JoinLines(lines));
        ExpectRead(ReadReplayLog(path), bad.replay_problem, path, "replay", bad.name);
        ExpectRead(ReadReloadLog(path), bad.reload_problem, path, "reload", bad.name);
    }

    const std::string missing = folder.File("none.txt");
    ExpectRead(ReadReplayLog(missing), "cannot be opened", missing, "replay", "missing file");
    ExpectRead(ReadReloadLog(missing), "cannot be opened", missing, "reload", "missing file");
    // A bad total is told on its own line, the one below its tag.
    Lines lines = log.lines;
    Set("<DE>", "abc")(lines);
    WriteText(path, JoinLines(lines));
    const std::string line = ", line " + std::to_string(IndexOf(lines, "<DE>") + 2) + ": ";
    ExpectRead(ReadReplayLog(path), line, path, "replay", "bad total's line");
    ExpectRead(ReadReloadLog(path), line, path, "reload", "bad total's line");
    // Empty; line ends only far above a round's size are refused unread, below it every line
    // is looked at and the missing tags are told.
    for (const auto& [text, problem] :
         {std::pair(std::string(), "is empty"),
          std::pair(std::string((4u << 20) + 1, '\n'), "is too large"),
          std::pair(std::string(3u << 20, '\n'), "has no")}) {
        WriteText(path, text);
        ExpectRead(ReadReplayLog(path), problem, path, "replay", problem);
        ExpectRead(ReadReloadLog(path), problem, path, "reload", problem);
    }
    ExpectRead(ReadReloadLog(folder.Folder()), "is not a plain file", folder.Folder(), "reload",
               "a folder");
    EXPECT_TRUE(std::holds_alternative<LogError>(ReadReplayLog("")));
}

}  // namespace
}  // namespace gamelog
