// The play rule files: the reader that finds the rule deciding a card, tables beyond their sizes,
// a missing file and conditional branches; the hint texts; and the shipped rules, which set up
// tricks, give every suggestion code a hint in both languages and read alike by every reading.

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "PlayTable.h"
#include "playai/Suggestion.h"
#include "support/TempFolder.h"

namespace playai::test {
namespace {

using testing::HasSubstr;

// The trace names the rules that held and the steps they took.
TEST(PlayRuleReader, TheFirstRuleThatPlaysAHeldCardDecides) {
    struct Case {
        std::vector<std::string_view> hand;
        std::string rules;
        const char* trace;
        const char* why;
    };
    const std::vector<Case> cases = {
        // The third rule would show "Unknown card" if it were read.
        {{"K", "Q", "3"},
         "RULE, Name, Ace, EXECUTES, 100, Play, A, END\n"
         "RULE, Name, Queen, EXECUTES, 100, Play, Q, END\n"
         "RULE, EXECUTES, 100, Play, Bogus, END\n",
         "[Queen]\n*Play Q",
         "a card not held does not decide, the deciding rule ends the reading"},
        {{"9", "K"},
         "RULE, Name, Never, d0, >, 1, EXECUTES, 100, Play, K, END\n"
         "STOP\n"
         "RULE, EXECUTES, 100, Play, K, END\n",
         "[DEFAULT]",
         "STOP makes later rules unreachable"},
        {{"2", "A"},
         "RULE, x0, in, TOPS, EXECUTES, 100, Play, x0, END\n"
         "RULE, EXECUTES, RISKY, Play, A, END\n"
         "Interpretation, TOPS, A, !\n"
         "Set, RISKY, 100\n"
         "RULE, Name, Late, x0, in, TOPS, EXECUTES, RISKY, Play, x0, END\n",
         "[Late]\n*Play x0 A",
         "a list and a chance take effect where they are defined"},
        {{"3", "K", "A"},
         "Interpretation, NONE, !\n"
         "Interpretation, L, K, A, !\n"
         "Interpretation, L, A, !\n"
         "RULE, Name, Empty, EXECUTES, 100, Play, NONE, END\n"
         "RULE, Name, Two, x0, in, L, x1, in, L, x2, in, L, EXECUTES, 100, Play, x0, END\n"
         "RULE, Name, First, x0, in, L, EXECUTES, 100, Play, x0, END\n",
         "[First]\n*Play x0 K",
         "an empty list yields no card, L is K and A, the first L wins"},
        {{"Q", "J", "9"},
         "RULE, Name, Hold, EXECUTES, 100, Play, Nothing, END\n"
         "RULE, Name, Skipped, EXECUTES, 100, Play, Q, END\n"
         "RULE, Name, Taken, EXECUTES, 100, Play, J, END\n",
         "[Hold][Taken]\n*Play J",
         "Play Nothing passes over the next rule"},
    };
    for (const Case& c : cases) {
        PlayTable t;
        t.Give(0, c.hand);
        EXPECT_EQ(t.Decide(0, c.rules).RuleTrace, c.trace) << c.why;
        EXPECT_TRUE(t.dialogs.messages.empty()) << c.why;
    }
    PlayTable t;
    t.Give(0, {"9"});
    EXPECT_EQ(t.Decide(0, "Version, Test 1.0\nSTOP\n").Version, "Test 1.0");
}

TEST(PlayRuleReader, TablesBeyondTheirSizesAreReportedAndIgnored) {
    PlayTable t;
    t.Give(0, {"A", "2"});
    std::string rules;
    for (int i = 0; i < 12; ++i) {
        rules += "Set, S" + std::to_string(i) + ", 1\n";
    }
    rules += "Set, EXTRA, 100\n";
    rules += "Interpretation, LONG, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, A, !\n";
    for (int i = 0; i < 30; ++i) {
        rules += "Interpretation, L" + std::to_string(i) + ", 2, !\n";
    }
    rules += "Interpretation, LATE, A, !\n";
    rules += "RULE, Name, Extra, EXECUTES, EXTRA, Play, A, END\n";
    rules += "RULE, Name, Late, x0, in, LATE, EXECUTES, 100, Play, x0, END\n";
    rules +=
        "RULE, Name, Specific, EXECUTES, 100, SortSpecificOrder, 2, A, K, Q, J, 10, 9, !, "
        "L0, END\n";
    rules += "RULE, Name, Long, EXECUTES, 100, Play, LONG, END\n";
    const PlayDecision d = t.Decide(0, rules);
    EXPECT_EQ(d.RuleTrace, "[DEFAULT]");
    EXPECT_EQ(CardOf(d), "2") << "the specific order put the 2 first";
    const std::string file = t.Folder() + kPlayRulesFile;
    const std::vector<std::string> expected = {
        file + ": more than 12 Set entries; the later ones are ignored.",
        "Problem reading Interpretation",
        file + ": more than 31 Interpretation lists; the later ones are ignored.",
        "ERROR: SortSpecificOrder - too many cards before ,!,",
    };
    EXPECT_EQ(t.dialogs.messages, expected);
}

TEST(PlayRuleReader, MissingFileGivesOneMessageAndTheDefaultPlay) {
    PlayTable t;
    t.Give(0, {"7", "A"});
    std::filesystem::remove(t.Folder() + kPlayRulesFile);
    EXPECT_EQ(CardOf(t.DecideWithFile(0)), "7");
    EXPECT_EQ(t.DecideWithFile(0).RuleTrace, "[DEFAULT]");
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_THAT(t.dialogs.messages[0], HasSubstr(t.Folder() + kPlayRulesFile));

    // A file far beyond any real rule file is refused unread: one message, the default play.
    t.WriteRules("RULE, EXECUTES, 100, Play, A, END\n" + std::string(4u << 20, '#'));
    EXPECT_EQ(t.DecideWithFile(0).RuleTrace, "[DEFAULT]");
    EXPECT_EQ(t.DecideWithFile(0).RuleTrace, "[DEFAULT]");
    EXPECT_EQ(t.dialogs.messages.size(), 1u) << "still unusable, not told again";
    t.WriteRules("RULE, EXECUTES, 100, Play, A, END\n");
    EXPECT_EQ(CardOf(t.DecideWithFile(0)), "A");
    t.WriteRules("RULE, EXECUTES, 100, Play, A, END\n" + std::string(4u << 20, '#'));
    EXPECT_EQ(t.DecideWithFile(0).RuleTrace, "[DEFAULT]");
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_THAT(t.dialogs.messages[1], HasSubstr("it is larger than 4 MB"));
}

TEST(PlayRuleReader, ConditionalBranchesRestoreTheCommonStateAndSkipCardsNotHeld) {
    PlayTable t;
    t.Give(0, {"K", "8", "3"});
    const PlayDecision d = t.Decide(0,
                                    "Interpretation, LOW, 2, 3, 4, 8, !\n"
                                    "RULE_CONDITIONAL, Name, Cond, x0, in, LOW, EXECUTES,\n"
                                    "IF, x1, in, LOW, THEN, 100, Play, A, 100, Play, x1,\n"
                                    "IF, x1, in, LOW, d0, >, 5, THEN, 100, Play, x1,\n"
                                    "IF, x1, in, LOW, THEN, 100, Play, x0, END\n"
                                    "RULE, EXECUTES, 100, Play, K, END\n");
    // x0 took the 3; the first branch names the ace, which is not held, so it ends there;
    // the second fails; the third starts again from the common state (x1 is the 8 again).
    EXPECT_EQ(d.RuleTrace, "[Cond]\n*Play A*Play x0 3");
    EXPECT_TRUE(t.dialogs.messages.empty());

    const PlayDecision no_if = t.Decide(0,
                                        "RULE_CONDITIONAL, Name, NoIf, EXECUTES, WHEN, THEN, 100, "
                                        "Play, 8, END\n");
    EXPECT_EQ(CardOf(no_if), "8");
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0], "ERROR - expected IF in rule [NoIf]\n");
}

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

std::string DataFolder() {
    return test_support::DataDir() + "/";
}

// The card SYD plays by the shipped rules, after checking that SYD holds it, that nothing was
// told and that its suggestion code has a hint.
std::string ShippedChoice(PlayTable& t) {
    const PlayDecision d = t.DecideBy(DataFolder(), 0);
    EXPECT_TRUE(t.dialogs.messages.empty()) << t.dialogs.messages.front();
    EXPECT_GT(t.round.Hand[0].FindCardIDXofRang(d.rank_code, PlayTable::kTrump), 0)
        << "SYD chose a card it does not hold: " << d.rank_code;
    EXPECT_NE(
        GetSuggestionText(DataFolder() + kSuggestionFile, "<INPLAY>", d.SuggestCode, "<SVENSKA>"),
        kNoSuggestion)
        << "no hint for " << d.SuggestCode;
    return CardOf(d);
}

// The fields of the shipped play rules outside remarks, a field at every comma. Readers that make
// a field of every separator and readers that skip an empty last field read the rules alike only
// while no line ends with a comma and no field is empty.
std::vector<std::string> ShippedRuleFields() {
    std::ifstream file(DataFolder() + "FivraPlayRulesAI.TXT");
    std::vector<std::string> fields;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.rfind("Remark", 0) == 0) {
            continue;
        }
        std::istringstream pieces(line + ",");
        for (std::string field; std::getline(pieces, field, ',');) {
            field.erase(0, field.find_first_not_of(' '));
            field.erase(field.find_last_not_of(' ') + 1);
            EXPECT_FALSE(field.empty()) << "line " << number << ": " << line;
            fields.push_back(field);
        }
    }
    return fields;
}

TEST(ShippedRules, SetUpTricks) {
    struct Trick {
        int round;
        int leader;
        int bidder;
        std::vector<std::string_view> hand;    // SYD's
        std::vector<std::string_view> played;  // to the trick, from the leader on
        const char* card;
        const char* why;
    };
    const std::vector<Trick> tricks = {
        {1, 0, 0, {"3", "V", "K", "A"}, {}, "K", "at trick 1 the best card waits"},
        {2, 0, 0, {"3", "V", "K", "A"}, {}, "A", "from trick 2 the leader draws"},
        {1, 1, 0, {"V", "8", "3"}, {"4", "A", "6"}, "V", "fivra onto the ace"},
        {1, 3, 0, {"K", "8", "3", "v"}, {"A"}, "3", "a low card to a lost trick"},
        {1, 3, 3, {"v", "9", "8", "3"}, {"6"}, "v", "a short hand gives its fivra"},
        {1, 3, 3, {"v", "9", "8", "3", "K"}, {"6"}, "3", "a long hand keeps it"},
        {1, 1, 0, {"8", "J", "7"}, {"6", "3", "4"}, "J", "take it with points"},
        {1, 1, 0, {"2", "J", "10"}, {"9", "4", "7"}, "10", "the cheapest winner"},
    };
    for (const Trick& trick : tricks) {
        PlayTable t;
        t.round.Round = trick.round;
        t.round.TrickLeader = trick.leader;
        t.round.gbBjuditHogst = trick.bidder;
        t.Give(0, trick.hand);
        t.PlayFrom(trick.leader, trick.played);
        EXPECT_EQ(ShippedChoice(t), trick.card) << trick.why;
    }
    PlayTable t;
    t.round.Round = 4;
    t.round.TrickLeader = 2;
    t.round.ColdFlag[2] = t.round.ColdFlag[3] = -1;
    for (int rang = 6; rang <= 14; ++rang) {
        t.round.PlayedTrump[rang] = -1;
    }
    t.round.HighestUnplayed = 5;
    t.Give(0, {"2", "V"});
    t.Give(1, {"v"});
    EXPECT_EQ(ShippedChoice(t), "V")
        << "behind two seats out of trumps the seat leads the best card";
}

// Every code a shipped rule suggests has its own entry with a hint in both languages, so that
// a language lookup never runs on into the next entry.
TEST(ShippedRules, EverySuggestCodeHasAHintInBothLanguages) {
    const std::vector<std::string> fields = ShippedRuleFields();
    std::set<std::string> codes = {""};  // the default play's code
    for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
        if (fields[i] == "Suggest") {
            codes.insert(fields[i + 1]);
        }
    }
    EXPECT_GT(codes.size(), 10u);
    std::stringstream hints(test_support::FileText(DataFolder() + kSuggestionFile));
    std::map<std::string, std::set<std::string>> languages;  // code -> languages with a text
    std::string line;
    std::string code;
    std::string language;
    while (std::getline(hints, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.rfind("CODE,", 0) == 0) {
            code = line.substr(5);
            language.clear();
        } else if (line == "<SVENSKA>" || line == "<ENGLISH>") {
            language = line;
        } else if (!language.empty() && !line.empty()) {
            languages[code].insert(language);
            language.clear();
        }
    }
    for (const std::string& c : codes) {
        EXPECT_EQ(languages[c].size(), 2u) << "code '" << c << "' lacks a hint in a language";
        for (const char* tag : {"<SVENSKA>", "<ENGLISH>"}) {
            EXPECT_NE(GetSuggestionText(DataFolder() + kSuggestionFile, "<INPLAY>", c, tag),
                      kNoSuggestion)
                << c << " " << tag;
        }
    }
}

// A Play ends a rule's actions, so the field after its card is the next branch or the rule's end.
TEST(ShippedRules, EveryReadingOfTheFieldsAgrees) {
    const std::vector<std::string> fields = ShippedRuleFields();
    ASSERT_GT(fields.size(), 100u);
    for (std::size_t i = 0; i + 2 < fields.size(); ++i) {
        if (fields[i] == "Play") {
            EXPECT_TRUE(fields[i + 2] == "END" || fields[i + 2] == "IF")
                << "a step after Play " << fields[i + 1] << ": " << fields[i + 2];
        }
    }
}

}  // namespace
}  // namespace playai::test
