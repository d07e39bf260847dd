#include "playai/ParameterDump.h"

#include <array>
#include <string_view>
#include <utility>

#include "playai/Predicates.h"

namespace playai {

namespace {

constexpr std::string_view kRule = "===================================";

// Labels of the functions in the order of the dump, with the name the rules use.
constexpr std::array<std::pair<std::string_view, std::string_view>, 17> kFunctionLabels = {{
    {"FivraOut , ", "FivraOut"},
    {"TenOut , ", "TenOut"},
    {"JOut , ", "JOut"},
    {"TenJOut , ", "TenJOut"},
    {"UnplayedTenJ , ", "UnplayedTenJ"},
    {"UnplayedFivra , ", "UnplayedFivra"},
    {"UnplayedLow , ", "UnplayedLow"},
    {"Last , ", "Last"},
    {"NotSafeFifthTurn , ", "NotSafeFifthTurn"},
    {"SafeFifthTurn, ", "SafeFifthTurn"},
    {"NotSafeSixthTurn , ", "NotSafeSixthTurn"},
    {"SafeSixthTurn , ", "SafeSixthTurn"},
    {"NotColdFourthTurnThem  , ", "NotColdFourthTurnThem"},
    {"NotColdFifthTurnThem   , ", "NotColdFifthTurnThem"},
    {"NotColdSixthTurnThem  , ", "NotColdSixthTurnThem"},
    {"NotColdFifthTurnThemExpected  , ", "NotColdFifthTurnThemExpected"},
    {"NotColdSixthTurnThemExpected  , ", "NotColdSixthTurnThemExpected"},
}};

std::string_view TruthWord(bool value) {
    return value ? "True" : "False";
}

void DumpFunctions(const PlayView& view, common::LineWriter& log) {
    for (const auto& [label, name] : kFunctionLabels) {
        log.Log(label, TruthWord(NamedPredicate(view, name).value_or(false)));
    }
    constexpr std::array<std::pair<std::string_view, int>, 3> kRoles = {
        {{"LEFT", 1}, {"PARTNER", 2}, {"RIGHT", 3}}};
    for (const auto& [role, offset] : kRoles) {
        log.Log("Cold(", role, ") , ", TruthWord(Cold(view, offset)));
    }
    for (const auto& [role, offset] : kRoles) {
        log.Log("NotCold(", role, ") , ", TruthWord(!Cold(view, offset)));
    }
}

}  // namespace

std::string CardLine(const cards::Kort& card, int trump) {
    if (card.Typ == "5") {
        return card.OwnColour() == trump ? "V" : "v";
    }
    return card.Typ;
}

void SpelParameterDump(const PlayView& view, const cards::KortHand& hand,
                       const NamedValueTable& values, common::LogSink& sink) {
    const int trump = view.round.gbFarg;
    common::LineWriter log(sink);
    log.Log(kRule);
    log.Log("======= SPEL PARAMETER DUMP =======");
    log.Log(kRule);
    log.Log("============= Calculated before play");
    log.Log("==== Kort i handen");
    for (const cards::Kort* card : hand.Cards()) {
        if (card->IsOfColour(trump)) {
            log.Log(CardLine(*card, trump));
        }
    }
    log.Log("====");
    for (int i = 0; i <= values.LastUsed(); ++i) {
        log.Log(values.At(i).name, " , ", values.At(i).value);
    }
    log.Log("============= Functions - calculated on the fly");
    DumpFunctions(view, log);
    log.Log(kRule);
    log.Log(kRule);
}

}  // namespace playai
