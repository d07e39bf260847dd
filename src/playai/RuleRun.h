#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cards/KortHand.h"
#include "common/Dialogs.h"
#include "common/FieldReader.h"
#include "common/Random.h"
#include "playai/PlayMemory.h"
#include "playai/RuleTables.h"

namespace playai {

inline constexpr int kVariables = 10;

// What one rule works with; reset at the start of every rule.
struct RuleWork {
    std::string RuleTrace;
    std::string SuggestCode;
    // Card variables x0..x9 and numeric variables d0..d9; the extra last slot takes a
    // variable field whose last character is no digit, so such a field never reaches past
    // the table.
    std::array<std::string, kVariables + 1> x{};
    std::array<float, kVariables + 1> d{};
    std::array<int, kTrumpSlots + 1> WorkHand{};  // the rule's copy of the trump slots
    std::array<int, state::kRanks> UsedMarks{};   // cards played, or picked by this rule
};

// One reading of the rule file for one decision: the field stream, the tables the file
// fills, and the deciding seat's situation.
struct RuleRun {
    RuleRun(std::string text, const PlayView& view, TrumpSlots& trumps, cards::KortHand& hand,
            NamedValueTable& values, common::Dialogs& dialogs, common::Random& random,
            std::string& prob_text);
    // The field stream points into `text`, which a copy would not carry along.
    RuleRun(const RuleRun&) = delete;
    RuleRun& operator=(const RuleRun&) = delete;

    // Reads the next field into `field`; false (and `field` empty) once the file is done.
    bool Read();
    // Reads fields until `terminator` has been read or the file ends.
    void SkipTo(std::string_view terminator);
    // Reads the fields up to the terminator "!"; the terminator itself is consumed.
    std::vector<std::string_view> ReadUpToBang();

    void StartRule();

    // Card names: "Unknown card " for a name that is no trump card, which counts as code 0.
    int CardCode(std::string_view name);
    std::string CardName(int code);
    // The code of a card variable's card or of a card name.
    int CodeOf(std::string_view card_or_variable);
    // A numeric variable's value or a number.
    float NumberOf(std::string_view variable_or_number) const;
    std::string& CardVariable(std::string_view field);
    float& NumberVariable(std::string_view field);
    // The latest value of that name as a number; 0 when unknown.
    float ValueNumber(std::string_view name) const;

    bool InWorkHand(int code) const;
    // Removes the card from the rule's working hand; false when it is not there.
    bool TakeFromWorkHand(int code);
    bool Unplayed(int code) const;

    std::string text;  // the rule file; the field stream reads views of it
    common::FieldReader fields;
    std::string_view field;  // a view of the field read last, in `text`
    const PlayView& view;
    TrumpSlots& trumps;
    cards::KortHand& hand;
    NamedValueTable& values;
    common::Dialogs& dialogs;
    common::Random& random;
    std::string& ProbText;

    CardListTable lists;
    RuleWork work;
    std::string SkipNote;
    bool played_nothing = false;
    std::string Version;
};

// The index of a variable field (its last character), or the spare slot.
int VariableIndex(std::string_view field);
bool IsCardVariable(std::string_view field);
bool IsNumericVariable(std::string_view field);
bool IsCardName(std::string_view field);

}  // namespace playai
