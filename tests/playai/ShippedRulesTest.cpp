#include <algorithm>
#include <fstream>
#include <map>
#include <numeric>
#include <set>
#include <sstream>
#include <string>

#include "PlayTable.h"
#include "playai/Suggestion.h"
#include "support/TempFolder.h"

namespace playai::test {
namespace {

std::string DataFolder() {
    return test_support::DataDir() + "/";
}

PlayDecision DecideWithShippedRules(PlayTable& t, int seat) {
    const PlayContext ctx{t.round, t.round.Hand[seat], seat,         DataFolder(),
                          t.log,   t.dialogs,          t.rule_random};
    return t.engine.ChoosePlayCard(ctx);
}

void ExpectSoundDecision(PlayTable& t, int seat, const PlayDecision& d) {
    EXPECT_TRUE(t.dialogs.messages.empty()) << t.dialogs.messages.front();
    EXPECT_GT(t.round.Hand[seat].FindCardIDXofRang(d.rank_code, PlayTable::kTrump), 0)
        << "seat " << seat << " chose a card it does not hold: " << d.rank_code;
    EXPECT_NE(
        GetSuggestionText(DataFolder() + kSuggestionFile, "<INPLAY>", d.SuggestCode, "<SVENSKA>"),
        kNoSuggestion)
        << "no hint for " << d.SuggestCode;
}

TEST(ShippedRules, SetUpTricks) {
    struct Trick {
        int round;
        int leader;
        int bidder;
        std::vector<std::string_view> hand;                    // SYD's
        std::vector<std::pair<int, std::string_view>> played;  // to the trick, in order
        const char* card;
        const char* why;
    };
    const std::vector<Trick> tricks = {
        {1, 0, 0, {"3", "V", "K", "A"}, {}, "K", "at trick 1 the best card waits"},
        {2, 0, 0, {"3", "V", "K", "A"}, {}, "A", "from trick 2 the leader draws"},
        {1, 1, 0, {"V", "8", "3"}, {{1, "4"}, {2, "A"}, {3, "6"}}, "V", "fivra onto the ace"},
        {1, 3, 0, {"K", "8", "3", "v"}, {{3, "A"}}, "3", "a low card to a lost trick"},
        {1, 3, 3, {"v", "9", "8", "3"}, {{3, "6"}}, "v", "a short hand gives its fivra"},
        {1, 3, 3, {"v", "9", "8", "3", "K"}, {{3, "6"}}, "3", "a long hand keeps it"},
        {1, 1, 0, {"8", "J", "7"}, {{1, "6"}, {2, "3"}, {3, "4"}}, "J", "take it with points"},
        {1, 1, 0, {"2", "J", "10"}, {{1, "9"}, {2, "4"}, {3, "7"}}, "10", "the cheapest winner"},
    };
    for (const Trick& trick : tricks) {
        PlayTable t;
        t.round.Round = trick.round;
        t.round.TrickLeader = trick.leader;
        t.round.gbBjuditHogst = trick.bidder;
        for (const std::string_view card : trick.hand) {
            t.Give(0, {card});
        }
        for (const auto& [seat, card] : trick.played) {
            t.Play(seat, card);
        }
        const PlayDecision d = DecideWithShippedRules(t, 0);
        ExpectSoundDecision(t, 0, d);
        EXPECT_EQ(CardOf(d), trick.card) << trick.why;
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
    const PlayDecision d = DecideWithShippedRules(t, 0);
    ExpectSoundDecision(t, 0, d);
    EXPECT_EQ(CardOf(d), "V") << "behind two seats out of trumps the seat leads the best card";
}

// Every code a shipped rule suggests has its own entry with a hint in both languages, so that
// a language lookup never runs on into the next entry.
TEST(ShippedRules, EverySuggestCodeHasAHintInBothLanguages) {
    std::set<std::string> codes = {""};  // the default play's code
    std::stringstream rules(test_support::FileText(DataFolder() + "FivraPlayRulesAI.TXT"));
    std::string field;
    bool suggest = false;
    while (std::getline(rules, field, ',')) {
        field.erase(0, field.find_first_not_of(" \r\n"));
        field.erase(field.find_last_not_of(" \r\n") + 1);
        if (suggest) {
            codes.insert(field);
        }
        suggest = field == "Suggest";
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

// Readers that make a field of every separator and readers that skip an empty last field read
// the shipped rules alike: no line ends with a comma and no field is empty. A Play ends a rule's
// actions, so the field after its card is the next branch or the rule's end.
TEST(ShippedRules, EveryReadingOfTheFieldsAgrees) {
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
            EXPECT_FALSE(field.empty()) << "line " << number << ": " << line;
            fields.push_back(field);
        }
    }
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
