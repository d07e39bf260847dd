#include "playai/PlayEngine.h"

#include <algorithm>

#include "common/FieldReader.h"
#include "playai/Expectation.h"
#include "playai/GameValues.h"
#include "playai/ParameterDump.h"
#include "playai/PlayRuleReader.h"
#include "playai/Predicates.h"
#include "playai/RuleRun.h"

namespace playai {

namespace {

NamedValueTable FillValues(const PlayView& view) {
    NamedValueTable table;
    for (GameValue& value : ComputeGameValues(view)) {
        table.Add(std::string(value.name), std::move(value.value));
    }
    return table;
}

}  // namespace

std::optional<std::string> PlayEngine::RuleText(const PlayContext& ctx) {
    if (kept_text_) {
        return kept_text_;
    }
    const std::string path = ctx.folder + kPlayRulesFile;
    auto text = common::ReadWholeFile(path);
    if (!text) {
        // One message until the file can be read again, not one for every card played.
        if (!missing_file_reported_) {
            ctx.dialogs.Message("The play rule file " + path + " cannot be read (" +
                                common::WhyUnreadable(path) +
                                "); the computer seats play their first trump card.");
        }
        missing_file_reported_ = true;
        return std::nullopt;
    }
    missing_file_reported_ = false;
    return text;
}

PlayDecision PlayEngine::ChoosePlayCard(const PlayContext& ctx) {
    TrumpSlots trumps = SlotsFromHand(ctx.hand, ctx.round.gbFarg);
    UpdateSeenCounts(memory_, ctx.round, ctx.seat, trumps.count);
    const PlayView view{ctx.round, memory_, ctx.seat, trumps};
    NamedValueTable values = FillValues(view);
    SpelParameterDump(view, ctx.hand, values, ctx.log);
    ExpectationDump(view, ctx.log);

    PlayDecision decision;
    std::string chosen;
    if (auto text = RuleText(ctx)) {
        RuleRun run(std::move(*text), view, trumps, ctx.hand, values, ctx.dialogs, ctx.random,
                    prob_text_);
        chosen = ReadPlayRules(run, ctx.folder + kPlayRulesFile);
        decision.RuleTrace = run.work.RuleTrace;
        decision.SuggestCode = run.work.SuggestCode;
        decision.Version = run.Version;
    }
    if (chosen.empty()) {
        decision.RuleTrace = "[DEFAULT]";
        decision.rank_code = trumps.slot[1];
    } else {
        decision.rank_code = common::TrumpCardCode(chosen).value_or(trumps.slot[1]);
    }
    decision.ProbText = prob_text_;
    return decision;
}

void PlayEngine::UpdateNoFivraFlag(const state::RoundState& round, int seat, int code) {
    if (seat < 0 || seat >= common::kSeats) {
        return;
    }
    const TrumpSlots trumps = SlotsFromHand(round.Hand[seat], round.gbFarg);
    const PlayView view{round, memory_, seat, trumps};
    if (IsFivra(code) || !NamedPredicate(view, "UnplayedFivra").value_or(false)) {
        return;
    }
    const int partner = view.TrickCard(2);
    const int left = view.TrickCard(1);
    const int right = view.TrickCard(3);
    if (partner != 0 && partner == round.HighestUnplayed) {
        memory_.NoFivraFlag[seat] = -1;
    }
    if (!Last(view)) {
        return;
    }
    // Last to play, the seat kept its fivra card back although its partner held the trick,
    // or although the opponents showed nothing that could take a fivra card.
    if ((partner > left && partner > right) || (left < kFivraLow && right < kFivraLow)) {
        memory_.NoFivraFlag[seat] = -1;
    }
}

void PlayEngine::ResetPlayHistory() {
    memory_.TrickHighHistory = {};
    memory_.NoFivraFlag = {};
}

void PlayEngine::RecordTrickHighs(const state::RoundState& round) {
    if (round.Round < 1 || round.Round >= state::kTricks) {
        return;
    }
    const auto& trick = round.TrickCards;
    memory_.TrickHighHistory[round.Round] = {
        CardText(*std::max_element(trick.begin(), trick.end())), CardText(round.HighestUnplayed)};
}

}  // namespace playai
