#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "bidai/BidTables.h"
#include "bidai/RuleOutcome.h"
#include "cards/KortHand.h"
#include "cards/Packe.h"
#include "common/Dialogs.h"
#include "common/LogSink.h"
#include "common/Random.h"
#include "state/RoundState.h"

namespace bidai {

struct BidContext {
    const state::RoundState& round;  // attSaka = dealer, gbVi/gbDe, round.Hand[s].GeBud() are the
                                     // seats' bids (-1 not spoken)
    cards::KortHand& hand;           // the bidding seat's hand (round.Hand[seat])
    cards::Packe& deck;    // its ValjFarg(colour) fixes the fives' Rang for a colour being valued
    int seat = 0;          // the bidding seat (the table's attBjuda)
    int biggest_bid = 0;   // BiggestBid: the highest bid so far, or 5 for the dealer's forced bid
    std::string folder;    // program folder, ends with '/'
    common::LogSink& log;  // the game log
    common::TraceSink& trace;  // the table's trace list
    common::Dialogs& dialogs;  // message boxes
    common::Random& random;    // chances of the rules
};

struct BidDecision {
    int bid = 0;              // 0 pass, 6..14
    int MinFarg = -1;         // colour code the seat would name as trump, -1 none
    float ea = 0;             // the decision's EA figure
    std::string explanation;  // "Budet: ..." text (already written to the log)
};

// A seat's bidding decision: values the hand per colour from the bid base, runs the bid
// rules and turns their outcome into a bid and a colour. Both files are read anew at every
// decision. When either cannot be used the player is told once (again only when the file
// changes, or after it was read well) and the seat passes, or, when it must bid, bids 6 in
// the colour it holds most cards of.
struct BidBaseText;

class BidEngine {
  public:
    // Steps 1 to 7 of the decision, for a computer seat or for the human's suggestion alike.
    // Also stores the bid on the seat's hand.
    BidDecision bjud(const BidContext& ctx);

    // Fills EA, P and EaUH for the seat's hand from folder + fileName and logs three lines a
    // colour. False when the valuation is incomplete (the player has been told why): a colour
    // whose key is missing keeps EA unvalued and P and EaUH as they were; a file that cannot
    // be used leaves no number of an earlier decision.
    bool ReadBidBase(const BidContext& ctx, const std::string& fileName);

    // Runs the rule file at `path` for the seat; the outcome "BID", "EA" or "PASS", or
    // "ERROR" when the file cannot be used (the player has been told). Results in LastRun().
    std::string RunBidRules(const BidContext& ctx, const std::string& path);

    // Turns an EA threshold into the decision's bid and colour; returns the chosen colour's EA
    // at the chosen level (0 when nothing was chosen).
    float BjudEnligtEA(const BidContext& ctx, float cEA, BidDecision& decision);

    const BidTables& Tables() const { return tables_; }
    BidTables& Tables() { return tables_; }
    const RuleOutcome& LastRun() const { return rules_; }

  private:
    enum class ColourValuation { kValued, kMissing, kBroken };

    ColourValuation ValueColour(const BidContext& ctx, const BidBaseText& base,
                                const std::string& fileName, int colour_index);
    void LogColour(const BidContext& ctx, int colour_index, const std::string& log_key);
    void ClearTables();
    void FollowOutcome(const BidContext& ctx, const std::string& outcome,
                       const std::string& seat_name, BidDecision& decision);
    void FollowRuleBid(const BidContext& ctx, BidDecision& decision);
    float ChooseReachedLevel(int biggest_bid, const std::array<int, kColours>& reach,
                             const std::array<float, kColours>& value, BidDecision& decision) const;
    int BestColourCode(int level) const;
    int ForcedColour(const BidContext& ctx, bool valued) const;

    void TellFileProblem(const BidContext& ctx, const BidFileError& error, std::string_view text);

    BidTables tables_;
    RuleOutcome rules_;
    std::map<std::string, std::string> told_;  // file -> the problem last told of it
};

}  // namespace bidai
