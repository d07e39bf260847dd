#include "playai/PlayRuleReader.h"

#include "playai/Actions.h"
#include "playai/ConditionEvaluator.h"

namespace playai {

namespace {

// Messages about the file's tables are given once per reading.
struct TableWarnings {
    bool sets = false;
    bool lists = false;
};

bool Holds(const RuleRun& run, const std::string& card) {
    return !card.empty() && common::TrumpCardCode(card).has_value() &&
           run.trumps.Holds(*common::TrumpCardCode(card));
}

void ReadSet(RuleRun& run, const std::string& file_name, TableWarnings& warned) {
    run.Read();
    std::string name(run.field);
    run.Read();
    if (!run.values.Add(std::move(name), std::string(run.field)) && !warned.sets) {
        warned.sets = true;
        run.dialogs.Message(file_name + ": more than 12 Set entries; the later ones are ignored.");
    }
}

void ReadInterpretation(RuleRun& run, const std::string& file_name, TableWarnings& warned) {
    CardList list;
    run.Read();
    list.name = run.field;
    int read = 0;
    while (run.Read() && run.field != "!") {
        if (++read == kListEntries + 1) {
            run.dialogs.Message("Problem reading Interpretation");
        }
        if (list.size < kListEntries) {
            list.entries[list.size++] = run.field;
        }
    }
    if (!run.lists.Add(list) && !warned.lists) {
        warned.lists = true;
        run.dialogs.Message(file_name +
                            ": more than 31 Interpretation lists; the later ones are ignored.");
    }
}

// A decision; the skip note of an earlier `Play, Nothing` goes in front of its trace.
void Decide(RuleRun& run, std::string& chosen, const std::string& card) {
    chosen = card;
    if (!run.SkipNote.empty()) {
        run.work.RuleTrace = run.SkipNote.substr(0, run.SkipNote.find('\n')) + run.work.RuleTrace;
        run.SkipNote.clear();
    }
}

void ReadRule(RuleRun& run, std::string& chosen) {
    run.StartRule();
    if (!EvaluateCondition(run, "EXECUTES")) {
        run.SkipTo("END");
        return;
    }
    const std::string card = ExecuteActions(run);
    if (run.field != "END") {
        run.SkipTo("END");
    }
    if (!card.empty()) {
        if (Holds(run, card)) {
            Decide(run, chosen, card);
        }
        return;
    }
    run.work.RuleTrace.clear();
    if (run.played_nothing) {
        run.SkipTo("END");  // `Play, Nothing` also passes over the whole next rule
    }
}

// Restores what the common condition left, for each branch of a conditional rule.
struct BranchStart {
    std::array<int, kTrumpSlots + 1> WorkHand;
    std::array<std::string, kVariables + 1> x;
    std::array<float, kVariables + 1> d;
};

void ReadConditionalRule(RuleRun& run, std::string& chosen) {
    run.StartRule();
    if (!EvaluateCondition(run, "EXECUTES")) {
        run.SkipTo("END");
        return;
    }
    run.Read();
    if (run.field != "IF") {
        run.dialogs.Message("ERROR - expected IF in rule " + run.work.RuleTrace);
    }
    const BranchStart start{run.work.WorkHand, run.work.x, run.work.d};
    while (chosen.empty() && run.field != "END" && run.fields.HasMore()) {
        run.work.WorkHand = start.WorkHand;
        run.work.x = start.x;
        run.work.d = start.d;
        const bool branch_holds = EvaluateCondition(run, "THEN");
        const std::string card = branch_holds ? ExecuteActions(run) : std::string();
        if (Holds(run, card)) {
            Decide(run, chosen, card);
            return;
        }
        // A branch that failed or named no card held: go on at the next IF or END.
        while (run.field != "IF" && run.field != "END" && run.Read()) {
        }
    }
}

}  // namespace

std::string ReadPlayRules(RuleRun& run, const std::string& file_name) {
    std::string chosen;
    TableWarnings warned;
    while (chosen.empty() && run.Read()) {
        const std::string_view keyword = run.field;
        if (keyword == "STOP") {
            break;
        }
        if (keyword == "Version") {
            run.Read();
            run.Version = run.field;
        } else if (keyword == "Set") {
            ReadSet(run, file_name, warned);
        } else if (keyword == "Interpretation") {
            ReadInterpretation(run, file_name, warned);
        } else if (keyword == "RULE") {
            ReadRule(run, chosen);
        } else if (keyword == "RULE_CONDITIONAL") {
            ReadConditionalRule(run, chosen);
        }
    }
    if (const int line = run.fields.UnclosedQuoteLine(); line > 0) {
        run.dialogs.Message(file_name + ", line " + std::to_string(line) +
                            ": a quote opened there is never closed, so the rest of the file "
                            "reads as one field.");
    }
    return chosen;
}

}  // namespace playai
