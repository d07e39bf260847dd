#include "playai/ConditionItems.h"

#include <algorithm>

#include "common/NumberText.h"

namespace playai::items {

namespace {

// The first card of the list whose code passes the test; empty entries never match.
template <class Test>
const std::string_view* FirstEntry(RuleRun& run, const CardList& list, Test test) {
    for (int i = 0; i < list.size; ++i) {
        const std::string_view& entry = list.entries[i];
        if (!entry.empty() && test(run.CardCode(entry))) {
            return &entry;
        }
    }
    return nullptr;
}

// x, in, L: the first card of L still in the working hand, which it leaves.
bool TakeFromList(RuleRun& run, std::string& x, int index) {
    run.Read();
    if (!x.empty()) {
        run.dialogs.Message("Assigning again to x" + std::to_string(index));
    }
    x.clear();
    const CardList* list = run.lists.Find(run.field);
    if (list == nullptr) {
        return false;
    }
    const std::string_view* card =
        FirstEntry(run, *list, [&](int code) { return run.TakeFromWorkHand(code); });
    if (card != nullptr) {
        x = *card;
    }
    return card != nullptr;
}

// x, inunplayed, L: the first card of L that is neither played nor held nor already picked.
bool PickUnplayedFromList(RuleRun& run, std::string& x) {
    run.Read();
    const CardList* list = run.lists.Find(run.field);
    if (list == nullptr) {
        return false;
    }
    const std::string_view* card =
        FirstEntry(run, *list, [&](int code) { return run.Unplayed(code); });
    if (card == nullptr) {
        return false;
    }
    run.work.UsedMarks[run.CardCode(*card)] = -1;
    x = *card;
    return true;
}

// x, of, c1, ..., !  and  x, ofunplayed, c1, ..., !
bool TakeFromNames(RuleRun& run, std::string& x, bool unplayed) {
    const std::vector<std::string_view> names = run.ReadUpToBang();
    for (const std::string_view name : names) {
        const int code = run.CardCode(name);
        if (unplayed ? run.Unplayed(code) : run.TakeFromWorkHand(code)) {
            if (unplayed) {
                run.work.UsedMarks[code] = -1;
            }
            x = name;
            return true;
        }
    }
    return false;
}

// x, :=, w: another variable, a card name, a game value or the first held card of a list.
bool Assign(RuleRun& run, std::string& x) {
    run.Read();
    const std::string_view w = run.field;
    if (IsCardVariable(w)) {
        x = run.CardVariable(w);
        return true;
    }
    if (IsCardName(w)) {
        x = w;
        return true;
    }
    if (const auto value = run.values.Latest(w)) {
        x = *value;
        return true;
    }
    if (const CardList* list = run.lists.Find(w)) {
        const std::string_view* card =
            FirstEntry(run, *list, [&](int code) { return run.trumps.Holds(code); });
        if (card != nullptr) {
            x = *card;
            return true;
        }
    }
    return false;
}

// x, :>>, y, L and x, :<<, y, L: the first held card of L above (below) y.
bool AssignBeyond(RuleRun& run, std::string& x, bool above) {
    run.Read();
    const int reference = run.CodeOf(run.field);
    run.Read();
    const CardList* list = run.lists.Find(run.field);
    if (list == nullptr) {
        return false;
    }
    const std::string_view* card = FirstEntry(run, *list, [&](int code) {
        return run.trumps.Holds(code) && (above ? code > reference : code < reference);
    });
    if (card != nullptr) {
        x = *card;
    }
    return card != nullptr;
}

// x, :-, xM, op, n: the card n ranks above or below xM.
void Offset(RuleRun& run, std::string& x) {
    run.Read();
    const std::string source = run.CardVariable(run.field);
    run.Read();
    const std::string_view op = run.field;
    run.Read();
    const int n = common::RoundToInt(common::LeadingNumber(run.field));
    const int code = run.CardCode(source);
    int k = 0;
    if (op == "+") {
        k = code + n;
    } else if (op == "-") {
        k = code - n;
    } else {
        run.dialogs.Message("This operator: " + std::string(op) + " is not supported by :-");
        x = source;
        return;
    }
    x = k >= 1 && k < state::kRanks ? run.CardName(k) : std::string();
}

bool CompareCards(RuleRun& run, const std::string& x, std::string_view op) {
    run.Read();
    const int mine = run.CardCode(x);
    const int other = run.CodeOf(run.field);
    if (op == "=") {
        return mine == other;
    }
    if (op == "not" || op == "NOT") {
        return mine != other;
    }
    return op == ">" ? mine > other : mine < other;
}

}  // namespace

bool CardVariableItem(RuleRun& run) {
    const int index = VariableIndex(run.field);
    std::string& x = run.work.x[index];
    run.Read();
    const std::string_view op = run.field;
    if (op == "in") {
        return TakeFromList(run, x, index);
    }
    if (op == "inunplayed") {
        return PickUnplayedFromList(run, x);
    }
    if (op == "of" || op == "OF" || op == "ofunplayed") {
        return TakeFromNames(run, x, op == "ofunplayed");
    }
    if (op == "or" || op == "OR") {
        const std::vector<std::string_view> names = run.ReadUpToBang();
        return std::find(names.begin(), names.end(), x) != names.end();
    }
    if (op == "=" || op == "not" || op == "NOT" || op == ">" || op == "<") {
        return CompareCards(run, x, op);
    }
    if (op == ":=") {
        return Assign(run, x);
    }
    if (op == ":>>" || op == ":<<") {
        return AssignBeyond(run, x, op == ":>>");
    }
    if (op == "<-") {
        run.Read();
        const int k = common::RoundToInt(run.NumberOf(run.field));
        x = k >= 1 && k < state::kRanks ? run.CardName(k) : std::string();
        return true;
    }
    if (op == ":-") {
        Offset(run, x);
    }
    return true;
}

}  // namespace playai::items
