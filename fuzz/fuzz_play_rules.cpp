// A whole play decision with fuzzed play rules, and the hint the decision's code looks up in
// a fuzzed hint file: the input holds the rules, then a line "=====", then the hint text.
#include "FuzzRound.h"
#include "playai/PlayEngine.h"
#include "playai/Suggestion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Split split = fuzz::SplitInput(data, size);
    const std::size_t cut = split.text.find("\n=====\n");
    const std::string_view rules = split.text.substr(0, cut);
    const std::string_view hints =
        cut == std::string_view::npos ? std::string_view() : split.text.substr(cut + 7);
    fuzz::WriteFile(playai::kPlayRulesFile, rules);
    fuzz::WriteFile(playai::kSuggestionFile, hints);

    fuzz::FuzzRound t(split.seed, split.trump, /*trumps_only=*/true);
    playai::PlayEngine engine;
    engine.ResetPlayHistory();
    const playai::PlayContext ctx{
        t.round, t.round.Hand[split.seat], split.seat, fuzz::ProgramFolder(), t.sink, t.dialogs,
        t.random};
    const playai::PlayDecision decision = engine.ChoosePlayCard(ctx);
    // The card chosen is one the seat holds, or none when it holds no trump.
    const bool holds_trump = t.round.Hand[split.seat].AntalKortIFarg(split.trump) > 0;
    if (holds_trump &&
        t.round.Hand[split.seat].FindCardIDXofRang(decision.rank_code, split.trump) <= 0) {
        __builtin_trap();
    }
    for (const char* language : {"<SVENSKA>", "<ENGLISH>"}) {
        playai::GetSuggestionText(fuzz::ProgramFolder() + playai::kSuggestionFile, "<INPLAY>",
                                  decision.SuggestCode, language);
    }
    return 0;
}
