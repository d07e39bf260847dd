#include "playai/ConditionItems.h"

#include <algorithm>

#include "common/NumberText.h"

namespace playai::items {

namespace {

// d, :=, w: another variable, a negated variable, a non-zero number, or the first game value
// of that name.
bool Assign(RuleRun& run, float& d) {
    run.Read();
    const std::string_view w = run.field;
    if (IsNumericVariable(w)) {
        d = run.NumberVariable(w);
        return true;
    }
    if (!w.empty() && w.front() == '-') {
        d = -run.work.d[VariableIndex(w)];
        return true;
    }
    const double number = common::LeadingNumber(w);
    if (common::StartsWithNumber(w) && number != 0.0) {
        d = static_cast<float>(number);
        return true;
    }
    if (const auto value = run.values.First(w)) {
        d = static_cast<float>(common::LeadingNumber(*value));
        return true;
    }
    return false;
}

// d, <..>, xA, xB: cards between the two (both included) that are neither held nor played.
float CountBetween(RuleRun& run) {
    run.Read();
    const int a = run.CodeOf(run.field);
    run.Read();
    const int b = run.CodeOf(run.field);
    if (a == b) {
        return 0.0f;
    }
    int n = 0;
    for (int c = std::max(1, std::min(a, b)); c <= std::max(a, b) && c < state::kRanks; ++c) {
        if (!run.trumps.Holds(c) && !run.view.Played(c)) {
            ++n;
        }
    }
    return static_cast<float>(n);
}

// d, :-, dM, op, v.
void Offset(RuleRun& run, float& d) {
    run.Read();
    const float source = run.NumberVariable(run.field);
    run.Read();
    const std::string_view op = run.field;
    run.Read();
    const float v = run.NumberOf(run.field);
    if (op == "+") {
        d = source + v;
    } else if (op == "-") {
        d = source - v;
    } else {
        run.dialogs.Message("This operator: " + std::string(op) + " is not supported by :-");
        d = source;
    }
}

}  // namespace

bool Compare(float a, std::string_view op, float b) {
    if (op == "=") {
        return a == b;
    }
    if (op == "not" || op == "NOT") {
        return a != b;
    }
    if (op == ">") {
        return a > b;
    }
    return op == "<" && a < b;
}

bool NumericVariableItem(RuleRun& run) {
    float& d = run.NumberVariable(run.field);
    run.Read();
    const std::string_view op = run.field;
    if (op == "=" || op == "not" || op == "NOT" || op == ">" || op == "<") {
        run.Read();
        return Compare(d, op, run.NumberOf(run.field));
    }
    if (op == ":=") {
        return Assign(run, d);
    }
    if (op == "<-") {
        run.Read();
        d = static_cast<float>(run.CodeOf(run.field));
    } else if (op == "<..>") {
        d = CountBetween(run);
    } else if (op == ":-") {
        Offset(run, d);
    }
    return true;
}

}  // namespace playai::items
