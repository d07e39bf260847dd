#include "playai/RuleRun.h"

#include "common/Names.h"
#include "common/NumberText.h"

namespace playai {

int VariableIndex(std::string_view field) {
    if (field.empty()) {
        return kVariables;
    }
    const char last = field.back();
    return last >= '0' && last <= '9' ? last - '0' : kVariables;
}

bool IsCardVariable(std::string_view field) {
    return !field.empty() && field.front() == 'x';
}

bool IsNumericVariable(std::string_view field) {
    return !field.empty() && field.front() == 'd';
}

bool IsCardName(std::string_view field) {
    return !field.empty() && common::TrumpCardCode(field).has_value();
}

RuleRun::RuleRun(std::string rule_text, const PlayView& view_in, TrumpSlots& trumps_in,
                 cards::KortHand& hand_in, NamedValueTable& values_in, common::Dialogs& dialogs_in,
                 common::Random& random_in, std::string& prob_text)
    : text(std::move(rule_text)),
      fields(text),
      view(view_in),
      trumps(trumps_in),
      hand(hand_in),
      values(values_in),
      dialogs(dialogs_in),
      random(random_in),
      ProbText(prob_text) {}

bool RuleRun::Read() {
    if (!fields.HasMore()) {
        field = {};
        return false;
    }
    field = fields.Next();
    return true;
}

void RuleRun::SkipTo(std::string_view terminator) {
    while (Read()) {
        if (field == terminator) {
            return;
        }
    }
}

std::vector<std::string_view> RuleRun::ReadUpToBang() {
    std::vector<std::string_view> items;
    while (Read() && field != "!") {
        items.push_back(field);
    }
    return items;
}

void RuleRun::StartRule() {
    work = RuleWork{};
    for (int i = 1; i <= kTrumpSlots; ++i) {
        work.WorkHand[i] = i <= trumps.count ? trumps.slot[i] : 0;
    }
    for (int c = 0; c < state::kRanks; ++c) {
        work.UsedMarks[c] = view.round.PlayedTrump[c];
    }
    played_nothing = false;
}

int RuleRun::CardCode(std::string_view name) {
    if (const auto code = common::TrumpCardCode(name)) {
        return *code;
    }
    dialogs.Message("Unknown card " + std::string(name));
    return 0;
}

std::string RuleRun::CardName(int code) {
    if (const auto name = common::TrumpCardName(code)) {
        return std::string(*name);
    }
    dialogs.Message("Unknown card " + std::to_string(code));
    return {};
}

int RuleRun::CodeOf(std::string_view card_or_variable) {
    if (IsCardVariable(card_or_variable)) {
        return CardCode(CardVariable(card_or_variable));
    }
    return CardCode(card_or_variable);
}

float RuleRun::NumberOf(std::string_view variable_or_number) const {
    if (!variable_or_number.empty() &&
        (variable_or_number.front() == 'd' || variable_or_number.front() == 'D')) {
        return work.d[VariableIndex(variable_or_number)];
    }
    return static_cast<float>(common::LeadingNumber(variable_or_number));
}

std::string& RuleRun::CardVariable(std::string_view field_name) {
    return work.x[VariableIndex(field_name)];
}

float& RuleRun::NumberVariable(std::string_view field_name) {
    return work.d[VariableIndex(field_name)];
}

float RuleRun::ValueNumber(std::string_view name) const {
    const auto value = values.Latest(name);
    return value ? static_cast<float>(common::LeadingNumber(*value)) : 0.0f;
}

bool RuleRun::InWorkHand(int code) const {
    if (code <= 0) {
        return false;
    }
    for (int i = 1; i <= kTrumpSlots; ++i) {
        if (work.WorkHand[i] == code) {
            return true;
        }
    }
    return false;
}

bool RuleRun::TakeFromWorkHand(int code) {
    if (code <= 0) {
        return false;
    }
    for (int i = 1; i <= kTrumpSlots; ++i) {
        if (work.WorkHand[i] == code) {
            work.WorkHand[i] = 0;
            return true;
        }
    }
    return false;
}

bool RuleRun::Unplayed(int code) const {
    return code > 0 && code < state::kRanks && work.UsedMarks[code] == 0 && !trumps.Holds(code);
}

}  // namespace playai
