#pragma once

#include <array>
#include <optional>
#include <string>

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

    RuleOutcome Run();

  private:
    // A chance or probability of 100 or more always holds; below it a draw of 1..100 decides.
    static constexpr int kSureChance = 100;

    bool RunRule();
    bool Conditions();
    void PerformItem(const std::string& field, bool& flag);
    void RegisterItem(const std::string& field, bool& flag);
    bool Assign(int reg, const std::string& x);
    void AssignSum(int reg);
    int LevelOperand();
    void LoadLevelValue(int reg, const std::string& op);
    bool ProbabilityHolds(const std::string& p);
    bool RoleListHolds();

    bool Alternatives();
    bool ChanceTaken(const std::string& field);
    bool TakeAction();
    void SkipAction();
    bool BidIsValid() const;

    std::optional<std::string> Next();
    std::string NextOperand() { return reader_.Next(); }
    float Value(const std::string& field);
    float Number(const std::string& field);
    int RegisterIndex(const std::string& field);
    int VariableInt(const std::string& name) const;
    void Fail(const std::string& problem);
    void Note(const std::string& problem);
    bool Failed() const { return result_.error.has_value(); }

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
