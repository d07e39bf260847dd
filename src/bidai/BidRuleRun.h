#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "bidai/AuctionView.h"
#include "bidai/BidTables.h"
#include "bidai/RuleOutcome.h"
#include "bidai/RuleVariables.h"
#include "common/FieldReader.h"
#include "common/Random.h"

namespace bidai {

// One run of a bid rule file held in memory, from its first field: "Set" rows, then rules
// tried in order until one names the outcome. As the language has it, an operator a register
// item does not know does nothing and a number field without a number reads as 0; each such
// field leaves a note. A field it cannot use at all (a register that does not exist, a level
// beyond the tables, a 22nd variable) ends the run with an error instead of a guess.
class BidRuleRun {
  public:
    BidRuleRun(std::string text, std::string file, const AuctionView& auction,
               const BidTables& tables, common::Random& random);
    // The field stream points into the run's own text, which a copy would not carry along.
    BidRuleRun(const BidRuleRun&) = delete;
    BidRuleRun& operator=(const BidRuleRun&) = delete;

    RuleOutcome Run();

  private:
    // A chance or probability of 100 or more always holds; below it a draw of 1..100 decides.
    static constexpr int kSureChance = 100;

    bool RunRule();
    bool Conditions();
    void PerformItem(std::string_view field, bool& flag);
    void RegisterItem(std::string_view field, bool& flag);
    bool Assign(int reg, std::string_view x);
    void AssignSum(int reg);
    int LevelOperand();
    void LoadLevelValue(int reg, std::string_view op);
    bool ProbabilityHolds(std::string_view p);
    bool RoleListHolds();

    bool Alternatives();
    bool ChanceTaken(std::string_view field);
    bool TakeAction();
    void SkipAction();
    bool BidIsValid() const;

    std::optional<std::string_view> Next();
    // Skips to the rule's END, and fails when an unclosed quote took the rest of the file.
    void SkipToEnd();
    // Fails the run when the field read last opened a quote that is never closed.
    bool FailOnUnclosedQuote();
    std::string_view NextOperand();
    float Value(std::string_view field);
    float Number(std::string_view field);
    int RegisterIndex(std::string_view field);
    int VariableInt(std::string_view name) const;
    void Fail(const std::string& problem);
    void Note(const std::string& problem);
    bool Failed() const { return result_.error.has_value(); }

    std::string text_;  // the rule file; the field stream reads views of it
    common::FieldReader reader_;
    std::string file_;
    const AuctionView& auction_;
    const BidTables& tables_;
    common::Random& random_;
    RuleVariables variables_;
    std::array<float, 10> d_{};
    std::string current_rule_;
    RuleOutcome result_;
};

}  // namespace bidai
