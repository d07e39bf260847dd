#include "bidai/BidRuleRun.h"

#include "bidai/BidValues.h"
#include "bidai/NumberField.h"

// The condition items of a bid rule: register tests and loads, chances and the auction role.
namespace bidai {

void BidRuleRun::PerformItem(std::string_view field, bool& flag) {
    if (!field.empty() && field.front() == 'd') {
        RegisterItem(field, flag);
    } else if (field == "Name") {
        current_rule_ = "[" + std::string(NextOperand()) + "]";
    } else if (field == "Suggest" || field == "DebugColor") {
        NextOperand();
    } else if (field == "Probability") {
        flag = ProbabilityHolds(NextOperand());
    } else if (field == "RoleInRound") {
        flag = RoleListHolds();
    }
}

void BidRuleRun::RegisterItem(std::string_view field, bool& flag) {
    const int reg = RegisterIndex(field);
    const std::string_view op = NextOperand();
    if (op == "=") {
        flag = d_[reg] == Value(NextOperand());
    } else if (op == "not" || op == "NOT") {
        flag = d_[reg] != Value(NextOperand());
    } else if (op == ">") {
        flag = d_[reg] > Value(NextOperand());
    } else if (op == "<") {
        flag = d_[reg] < Value(NextOperand());
    } else if (op == ":=") {
        flag = Assign(reg, NextOperand());
    } else if (op == ":-") {
        AssignSum(reg);
    } else if (op == "Random") {
        const float low = Number(NextOperand());
        const float high = Number(NextOperand());
        d_[reg] = low + static_cast<float>(random_.Uniform()) * (high - low);
    } else if (op == "EABestColor" || op == "PLevel") {
        LoadLevelValue(reg, op);
    } else if (op == "EAuHWorstColor") {
        d_[reg] = EAuHWorstColor(tables_, auction_);
    } else {
        Note("unknown operator \"" + std::string(op) + "\" after " + std::string(field) +
             " does nothing");
    }
}

// ":=" fails for a name that is no variable, and so for a literal 0.
bool BidRuleRun::Assign(int reg, std::string_view x) {
    if (!x.empty() && x.front() == 'd') {
        d_[reg] = d_[RegisterIndex(x)];
        return true;
    }
    if (!x.empty() && x.front() == '-') {
        d_[reg] = -d_[RegisterIndex(x)];
        return true;
    }
    const double number = common::LeadingNumber(x);
    if (number != 0) {
        d_[reg] = Single(number);
        return true;
    }
    if (const std::string* value = variables_.First(x)) {
        d_[reg] = SingleField(*value);
        return true;
    }
    return false;
}

void BidRuleRun::AssignSum(int reg) {
    const int source = RegisterIndex(NextOperand());
    const std::string_view op = NextOperand();
    const float n = Number(NextOperand());
    if (op == "+") {
        d_[reg] = d_[source] + n;
    } else if (op == "-") {
        d_[reg] = d_[source] - n;
    } else {
        const std::string message = "This operator: " + std::string(op) + " is not supported by :-";
        result_.messages.push_back(message);
        Note(message);
        d_[reg] = d_[source];
    }
}

int BidRuleRun::LevelOperand() {
    const std::string_view field = NextOperand();
    if (!field.empty() && field.front() == 'd') {
        return IntegerPart(d_[RegisterIndex(field)]);
    }
    return common::RoundToInt(Number(field));
}

void BidRuleRun::LoadLevelValue(int reg, std::string_view op) {
    const int level = LevelOperand();
    const std::optional<float> value =
        op == "PLevel" ? PLevel(tables_, level) : EABestColor(tables_, level);
    if (!value) {
        Fail("bid level " + std::to_string(level) + " is beyond the bounds of " + std::string(op) +
             (op == "PLevel" ? " (5 to 15)" : " (at most 15)"));
        return;
    }
    if (!Failed()) {
        d_[reg] = *value;
    }
}

bool BidRuleRun::ProbabilityHolds(std::string_view p) {
    const double number = common::LeadingNumber(p);
    const double chance = number > 0 ? number : VariableInt(p);
    return chance >= kSureChance || chance >= random_.Draw(kSureChance);
}

bool BidRuleRun::RoleListHolds() {
    const std::string* role = variables_.First("RoleInRound");
    bool holds = false;
    while (!Failed()) {
        const std::optional<std::string_view> field = Next();
        if (!field) {
            Fail("the \"RoleInRound\" list has no closing \"!\"");
        } else if (*field == "!") {
            break;
        } else if (role != nullptr && *field == *role) {
            holds = true;
        }
    }
    return holds;
}

}  // namespace bidai
