#include <string>

#include "PlayTable.h"

namespace playai::test {
namespace {

TEST(PlayRuleReader, FirstDecidingRuleEndsTheReadingAndCardsNotHeldDoNotDecide) {
    PlayTable t;
    t.Give(0, {"K", "Q", "3"});
    // The first rule names the ace, which the seat lacks; the second decides; the third would
    // show "Unknown card" if it were read.
    const PlayDecision d = t.Decide(0,
                                    "Version, Test 1.0\n"
                                    "RULE, Name, Ace, EXECUTES, 100, Play, A, END\n"
                                    "RULE, Name, Queen, EXECUTES, 100, Play, Q, END\n"
                                    "RULE, EXECUTES, 100, Play, Bogus, END\n");
    EXPECT_EQ(CardOf(d), "Q");
    EXPECT_EQ(d.RuleTrace, "[Queen]\n*Play Q");
    EXPECT_EQ(d.Version, "Test 1.0");
    EXPECT_TRUE(t.dialogs.messages.empty()) << "the rule after the deciding one was read";
}

TEST(PlayRuleReader, StopMakesLaterRulesUnreachableAndTheDefaultPlays) {
    PlayTable t;
    t.Give(0, {"9", "K"});
    const PlayDecision d = t.Decide(0,
                                    "RULE, Name, Never, d0, >, 1, EXECUTES, 100, Play, K, END\n"
                                    "STOP\n"
                                    "RULE, EXECUTES, 100, Play, K, END\n");
    EXPECT_EQ(CardOf(d), "9");
    EXPECT_EQ(d.RuleTrace, "[DEFAULT]");
}

TEST(PlayRuleReader, DefinitionsTakeEffectInFileOrder) {
    PlayTable t;
    t.Give(0, {"2", "A"});
    const PlayDecision early = t.Decide(0,
                                        "RULE, x0, in, TOPS, EXECUTES, 100, Play, x0, END\n"
                                        "RULE, EXECUTES, RISKY, Play, A, END\n"
                                        "Interpretation, TOPS, A, !\n"
                                        "Set, RISKY, 100\n"
                                        "RULE, Name, Late, x0, in, TOPS, EXECUTES, RISKY, Play, "
                                        "x0, END\n");
    EXPECT_EQ(early.RuleTrace, "[Late]\n*Play x0 A")
        << "list and chance were used before their definitions";
}

TEST(PlayRuleReader, ListsEmptyDuplicateAndShort) {
    PlayTable t;
    t.Give(0, {"3", "K", "A"});
    const PlayDecision d = t.Decide(0,
                                    "Interpretation, NONE, !\n"
                                    "Interpretation, L, K, A, !\n"
                                    "Interpretation, L, A, !\n"
                                    "RULE, Name, Empty, EXECUTES, 100, Play, NONE, END\n"
                                    "RULE, Name, Two, x0, in, L, x1, in, L, x2, in, L, "
                                    "EXECUTES, 100, Play, x0, END\n"
                                    "RULE, Name, First, x0, in, L, EXECUTES, 100, Play, x0, END\n");
    EXPECT_EQ(d.RuleTrace, "[First]\n*Play x0 K")
        << "an empty list never yields a card, L holds exactly K and A, and the first L wins";
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
    const PlayDecision first = t.DecideWithFile(0);
    const PlayDecision second = t.DecideWithFile(0);
    EXPECT_EQ(CardOf(first), "7");
    EXPECT_EQ(second.RuleTrace, "[DEFAULT]");
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_NE(t.dialogs.messages[0].find(t.Folder() + kPlayRulesFile), std::string::npos);

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
    EXPECT_NE(t.dialogs.messages[1].find("it is larger than 4 MB"), std::string::npos)
        << t.dialogs.messages[1];
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

TEST(PlayRuleReader, PlayNothingPassesOverTheNextRuleAndMarksTheTrace) {
    PlayTable t;
    t.Give(0, {"Q", "J", "9"});
    const PlayDecision d = t.Decide(0,
                                    "RULE, Name, Hold, EXECUTES, 100, Play, Nothing, END\n"
                                    "RULE, Name, Skipped, EXECUTES, 100, Play, Q, END\n"
                                    "RULE, Name, Taken, EXECUTES, 100, Play, J, END\n");
    EXPECT_EQ(CardOf(d), "J");
    EXPECT_EQ(d.RuleTrace, "[Hold][Taken]\n*Play J");
}

}  // namespace
}  // namespace playai::test
