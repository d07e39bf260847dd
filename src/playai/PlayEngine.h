#pragma once

#include <optional>
#include <string>

#include "cards/KortHand.h"
#include "common/Dialogs.h"
#include "common/LogSink.h"
#include "common/Random.h"
#include "playai/PlayMemory.h"
#include "playai/Suggestion.h"
#include "state/RoundState.h"

namespace playai {

inline constexpr const char* kPlayRulesFile = "FivraPlayRulesAI.TXT";

struct PlayContext {
    const state::RoundState& round;
    cards::KortHand& hand;  // the deciding seat's hand; sort actions reorder its trump cards
    int seat = 0;           // the deciding seat
    std::string folder;     // program folder ending with '/'
    common::LogSink& log;
    common::Dialogs& dialogs;
    common::Random& random;
};

struct PlayDecision {
    int rank_code = 0;  // Rang of the card to play; 0 when the seat holds no trump
    std::string RuleTrace;
    std::string SuggestCode;
    std::string ProbText;  // the last Probability value read, in any rule or decision
    std::string Version;   // version text of the rule file
};

// The computer seats' choice of card, and the suggestion for the human, from the play rule
// file. One engine serves all four seats, one decision at a time.
class PlayEngine {
  public:
    PlayMemory& Memory() { return memory_; }
    const PlayMemory& Memory() const { return memory_; }

    // Builds the seat's trump slots, raises the seen-card counts, computes and logs the game
    // values, reads the rule file and falls back on the first trump card when no rule
    // decides. The table plays the returned card (or remembers it as the suggestion).
    PlayDecision ChoosePlayCard(const PlayContext& ctx);
    // After `seat` played `code`: infers whether the seat can hold no fivra card.
    void UpdateNoFivraFlag(const state::RoundState& round, int seat, int code);
    // At the start of play.
    void ResetPlayHistory();
    // From now on the rules are read from `text`, not from the file at every decision: for an
    // engine that replays many decisions in memory.
    void KeepRuleText(std::string text) { kept_text_ = std::move(text); }
    // Before the round moves to the next trick (round.Round is the finished trick).
    void RecordTrickHighs(const state::RoundState& round);

  private:
    // The rule file's text; std::nullopt (after one message) when it cannot be read.
    std::optional<std::string> RuleText(const PlayContext& ctx);

    PlayMemory memory_;
    std::optional<std::string> kept_text_;
    std::string prob_text_;
    bool missing_file_reported_ = false;
};

}  // namespace playai
