#include "bidai/BidRuleRun.h"

#include "bidai/NumberField.h"
#include "common/AsciiCase.h"

namespace bidai {

BidRuleRun::BidRuleRun(std::string text, std::string file, const AuctionView& auction,
                       const BidTables& tables, common::Random& random)
    : text_(std::move(text)),
      reader_(text_),
      file_(std::move(file)),
      auction_(auction),
      tables_(tables),
      random_(random),
      variables_(auction) {}

RuleOutcome BidRuleRun::Run() {
    while (!Failed()) {
        const std::optional<std::string_view> field = Next();
        if (!field || *field == "STOP") {
            break;
        }
        if (*field == "Version") {
            NextOperand();
        } else if (*field == "Set") {
            const std::string_view name = NextOperand();
            const std::string_view value = NextOperand();
            if (!variables_.Add(std::string(name), std::string(value))) {
                Fail("\"Set " + std::string(name) + "\" goes beyond row 20 of the variable table");
            }
        } else if (common::EqualsIgnoringAsciiCase(*field, "RULE") && RunRule()) {
            break;
        }
    }
    if (Failed()) {
        result_.outcome = "ERROR";
    }
    return result_;
}

// True when the run ends with this rule.
bool BidRuleRun::RunRule() {
    d_.fill(0.0f);
    const bool holds = Conditions();
    if (Failed()) {
        return true;
    }
    if (!holds) {
        SkipToEnd();
        return false;
    }
    if (!Alternatives()) {
        result_.outcome = "PASS";
        return true;
    }
    if (result_.outcome != "BID" || BidIsValid()) {
        return true;
    }
    current_rule_.clear();
    SkipToEnd();
    return false;
}

bool BidRuleRun::Conditions() {
    bool flag = true;
    std::optional<std::string_view> field = Next();
    while (field && flag && *field != "EXECUTES" && !Failed()) {
        PerformItem(*field, flag);
        if (flag) {
            field = Next();
        }
    }
    return flag;
}

// True when an alternative with a known action was taken.
bool BidRuleRun::Alternatives() {
    while (!Failed()) {
        const std::optional<std::string_view> field = Next();
        if (!field || *field == "END" || *field == "IF") {
            return false;
        }
        if (!ChanceTaken(*field)) {
            SkipAction();
            continue;
        }
        result_.fired_rule = current_rule_;
        if (TakeAction()) {
            return true;
        }
    }
    return false;
}

bool BidRuleRun::ChanceTaken(std::string_view field) {
    const double number = common::LeadingNumber(field);
    const int chance = number > 0 ? common::RoundToInt(number) : VariableInt(field);
    return chance >= kSureChance || chance >= random_.Draw(kSureChance);
}

bool BidRuleRun::TakeAction() {
    const std::string_view keyword = NextOperand();
    if (common::EqualsIgnoringAsciiCase(keyword, "EA")) {
        result_.threshold = Value(NextOperand());
    } else if (common::EqualsIgnoringAsciiCase(keyword, "RANDOM")) {
        const float low = Number(NextOperand());
        const float high = Number(NextOperand());
        result_.threshold = low + static_cast<float>(random_.Uniform()) * (high - low);
    } else if (common::EqualsIgnoringAsciiCase(keyword, "BID")) {
        const std::string_view x = NextOperand();
        if (common::EqualsIgnoringAsciiCase(x, "PASS")) {
            result_.outcome = "PASS";
            result_.Bid = 0;
            return true;
        }
        result_.outcome = "BID";
        result_.Bid = common::RoundToInt(Value(x));
        return true;
    } else {
        return false;
    }
    result_.outcome = "EA";
    return true;
}

// A missed alternative's action is skipped by its keyword as written.
void BidRuleRun::SkipAction() {
    const std::string_view keyword = NextOperand();
    const int operands = keyword == "Random" ? 2 : (keyword == "EA" || keyword == "BID" ? 1 : 0);
    for (int i = 0; i < operands; ++i) {
        NextOperand();
    }
}

// Bids run from 6 to 14; a rule must bid above the auction, or 14 even over 14.
bool BidRuleRun::BidIsValid() const {
    const int bid = result_.Bid;
    return bid >= kLowestBid && bid <= kHighestBid &&
           (bid > auction_.highest || bid == kHighestBid);
}

std::optional<std::string_view> BidRuleRun::Next() {
    if (!reader_.HasMore()) {
        return std::nullopt;
    }
    const std::string_view field = reader_.Next();
    if (FailOnUnclosedQuote()) {
        return std::nullopt;
    }
    return field;
}

std::string_view BidRuleRun::NextOperand() {
    const std::string_view field = reader_.Next();
    FailOnUnclosedQuote();
    return field;
}

void BidRuleRun::SkipToEnd() {
    reader_.SkipTo("END");
    FailOnUnclosedQuote();
}

bool BidRuleRun::FailOnUnclosedQuote() {
    if (reader_.UnclosedQuoteLine() == 0) {
        return false;
    }
    // The field read last is the one whose quote opened; the file ends inside it.
    Fail("a quote opened here is never closed, so the rest of the file reads as one field");
    return true;
}

float BidRuleRun::Value(std::string_view field) {
    if (!field.empty() && field.front() == 'd') {
        return d_[RegisterIndex(field)];
    }
    return Number(field);
}

// A field with no leading number reads as 0.
float BidRuleRun::Number(std::string_view field) {
    if (!common::StartsWithNumber(field)) {
        Note("\"" + std::string(field) + "\" holds no number and reads as 0");
    }
    return SingleField(field);
}

int BidRuleRun::RegisterIndex(std::string_view field) {
    if (field.empty() || !std::isdigit(static_cast<unsigned char>(field.back()))) {
        Fail("\"" + std::string(field) + "\" names no register d0 to d9");
        return 0;
    }
    return field.back() - '0';
}

int BidRuleRun::VariableInt(std::string_view name) const {
    const std::string* value = variables_.Last(name);
    return value == nullptr ? 0 : common::RoundToInt(common::LeadingNumber(*value));
}

void BidRuleRun::Fail(const std::string& problem) {
    if (!Failed()) {
        result_.error = BidFileError{file_, reader_.Line(), problem};
    }
}

void BidRuleRun::Note(const std::string& problem) {
    result_.notes.push_back(BidFileNote{reader_.Line(), problem});
}

}  // namespace bidai
