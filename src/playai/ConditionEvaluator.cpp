#include "playai/ConditionEvaluator.h"

#include "common/NumberText.h"
#include "playai/ConditionItems.h"

namespace playai {

namespace {

// NOT, c1, ..., !: none of the cards is in the working hand (and the list is not empty).
bool NoneHeldItem(RuleRun& run) {
    bool any_listed = false;
    while (run.Read() && run.field != "!") {
        any_listed = true;
        if (run.InWorkHand(run.CardCode(run.field))) {
            run.SkipTo("!");
            return false;
        }
    }
    return any_listed;
}

bool ProbabilityItem(RuleRun& run) {
    run.Read();
    const float p = ChanceValue(run, run.field);
    run.ProbText = common::NumberText(p);
    return ChanceHolds(run, p);
}

// Items about the working hand and the rule's own texts; std::nullopt when the field starts
// none of them.
std::optional<bool> HandOrTextItem(RuleRun& run) {
    const std::string_view head = run.field;
    if (!head.empty() && head.front() == 'X') {
        return run.TakeFromWorkHand(run.CardCode(run.CardVariable(head)));
    }
    if (IsCardName(head)) {
        return run.TakeFromWorkHand(run.CardCode(head));
    }
    if (head == "NOT") {
        return NoneHeldItem(run);
    }
    if (head == "Name") {
        run.Read();
        run.work.RuleTrace.append("[").append(run.field).append("]\n");
        return true;
    }
    if (head == "Suggest") {
        run.Read();
        run.work.SuggestCode = run.field;
        return true;
    }
    if (head == "Track" || head == "TRACK" || head == "DebugColor") {
        run.Read();
        return true;
    }
    if (head == "Probability") {
        return ProbabilityItem(run);
    }
    return std::nullopt;
}

bool EvaluateItem(RuleRun& run) {
    if (IsCardVariable(run.field)) {
        return items::CardVariableItem(run);
    }
    if (IsNumericVariable(run.field)) {
        return items::NumericVariableItem(run);
    }
    if (const auto truth = HandOrTextItem(run)) {
        return *truth;
    }
    if (const auto truth = items::GameValueItem(run)) {
        return *truth;
    }
    return true;
}

}  // namespace

float ChanceValue(const RuleRun& run, std::string_view field) {
    const double number = common::LeadingNumber(field);
    if (common::StartsWithNumber(field) && number > 0.0) {
        return static_cast<float>(number);
    }
    return run.ValueNumber(field);
}

bool ChanceHolds(RuleRun& run, float p) {
    if (p >= 100.0f) {
        return true;
    }
    return !(p < static_cast<float>(run.random.Draw(100)));
}

bool EvaluateCondition(RuleRun& run, std::string_view terminator) {
    bool result = true;
    bool alternative = false;
    bool have_field = run.Read();
    while (have_field && result && run.field != terminator) {
        if (run.field == "OR" || run.field == "or") {
            alternative = true;
        } else {
            const bool holds = EvaluateItem(run);
            if (alternative && holds) {
                run.fields.SkipRestOfLine();
            }
            result = holds || alternative;
            alternative = false;
        }
        if (result) {
            have_field = run.Read();
        }
    }
    return result;
}

}  // namespace playai
