#pragma once

#include <array>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/ScriptedDialogs.h"
#include "common/SettingsStore.h"
#include "support/TempFolder.h"
#include "table/Table.h"

// A table on the virtual clock in a program folder of its own, and the few moves that the
// table tests make over and over: run the clock until something holds, script a round from
// chosen cards, read the game log.
namespace table_test {

// Every computer seat plays the first trump card in its hand's order.
inline constexpr const char* kPlayFirstTrump = "RULE, EXECUTES, 100, Play, Default, END\n";
// Nobody bids: every seat passes and the dealer is forced to 6.
inline constexpr const char* kNobodyBids = "Version,1.0\n";

// Game time a test may let pass before it gives up waiting: far more than any round takes.
inline constexpr long long kPatienceMs = 4LL * 60 * 60 * 1000;

using test_support::DataDir;
using test_support::JoinLines;

// A fresh folder holding copies of the data files; removed with everything in it at the end.
class ProgramFolder : public test_support::TempFolder {
  public:
    ProgramFolder() { CopyDataFiles(); }
    const std::string& Path() const { return Folder(); }
};

struct RigOptions {
    std::uint64_t seed = 7;
    bool computer_plays_syd = true;
    std::string bid_rules;   // replaces the shipped bid rule file when not empty
    std::string play_rules;  // replaces the shipped play rule file when not empty
    presentation::Language language = presentation::BuildLanguage();
    int auto_continue_ms = 0;

    RigOptions Seed(std::uint64_t s) const { return With(&RigOptions::seed, s); }
    RigOptions Human() const { return With(&RigOptions::computer_plays_syd, false); }
    RigOptions BidRules(std::string text) const { return With(&RigOptions::bid_rules, text); }
    RigOptions PlayRules(std::string text) const { return With(&RigOptions::play_rules, text); }
    RigOptions InLanguage(presentation::Language l) const { return With(&RigOptions::language, l); }
    RigOptions AutoContinue(int ms) const { return With(&RigOptions::auto_continue_ms, ms); }

  private:
    template <typename Field, typename Value>
    RigOptions With(Field RigOptions::*field, Value value) const {
        RigOptions o = *this;
        o.*field = std::move(value);
        return o;
    }
};

// Runs a table's clock until `done` holds; false when it did not within kPatienceMs.
bool RunUntil(table::Table& table, const std::function<bool()>& done);

// Plays on (clicking after the discard) until the round's end waits for the click.
bool RunToRoundEnd(table::Table& table);

// Starts the round again with another dealer, as if the earlier rounds had been played.
void RestartRoundDealtBy(table::Table& table, int dealer);

// The table with everything it needs. Construction does not start the table.
struct TableRig {
    explicit TableRig(const RigOptions& options);

    bool RunUntil(const std::function<bool()>& done) { return table_test::RunUntil(table, done); }
    bool RunToStep(table::WaitStep step);
    bool RunToRoundEnd() { return table_test::RunToRoundEnd(table); }
    // Plays `rounds` whole rounds, clicking on after each; false when one did not end.
    bool PlayRounds(int rounds);
    void RestartRoundDealtBy(int dealer) { table_test::RestartRoundDealtBy(table, dealer); }

    // The game log of the round so far; closes the table, so call it when done playing.
    std::vector<std::string> CloseAndReadLog();

    ProgramFolder folder;
    common::ScriptedDialogs dialogs;
    common::MemorySettingsStore settings;
    table::Table table;
    // What the table shows and holds, to read in the checks.
    const state::RoundState& round = table.State();
    const table::Controls& ctl = table.Ctl();
};

struct StartedRig : TableRig {
    explicit StartedRig(const RigOptions& options) : TableRig(options) { table.Start(); }
};

// Card number of a face ("A", "2" .. "10", "J", "Q", "K") of a colour code.
int Nr(const std::string& face, int colour);

// A round set up from chosen cards. Hands are given in the order the cards are added (the
// order the seats play them with kPlayFirstTrump); the deck lists the cards to buy, top first.
struct ScriptedRound {
    int trump = common::kHjarter;
    int dealer = common::kSyd;
    int bidder = common::kNord;
    int bid = 6;
    int vi = 0;
    int de = 0;
    std::array<std::vector<int>, common::kSeats> hands{};
    std::vector<int> deck{};
};

// VAST bids and takes the first trick (ace and the five of trump: 6 points); NORD takes the
// second with the jack over SYD's ten (2 points). Every seat plays its first trump card.
ScriptedRound DeTakesSixViTwo(int bid, int vi, int de);

// Bid rules by which a computer seat wins the auction when a human SYD passes.
inline constexpr const char* kOthersBidNine =
    "RULE, RoleInRound, LEAD, !, EXECUTES, 100, BID, 9, END\n";

// SYD, the bidder, leads holding the king of spader (no trump), then the ace and the king of
// trump; VAST holds the two.
ScriptedRound SydLeads();
// With a human SYD: passes when the bid panel first opens (lighting the suggestion lamp then
// when `lamp`), then starts play from SydLeads().
bool StartSydsLead(TableRig& rig, bool lamp = false);

// NORD holds eight trumps and gives up two; NORD's side (Vi, 55 before the round) goes on to win
// the game. SYD holds two cards that are no trump.
ScriptedRound KillingRound();

// Run to the wait after the discard, then replace the round's cards and variables by the
// script. The table then waits for the click that starts the buying.
bool SetUpAfterDiscard(table::Table& table, const ScriptedRound& script);
// The same, and play starts at once from the first trick, without any buying.
bool StartPlayFrom(table::Table& table, const ScriptedRound& script);

// Card numbers held by a hand, in its order.
std::vector<int> Numbers(const cards::KortHand& hand);
std::set<int> NumberSet(const cards::KortHand& hand);
// The bid buttons shown, or only those of them drawn with `look`.
std::vector<int> BidButtons(const table::Controls& ctl,
                            std::optional<table::BidLook> look = std::nullopt);
// Place (from 1) of the first raised card of a hand; 0 when none is raised.
int RaisedPosition(const cards::KortHand& hand);
std::vector<int> Numbers(const std::vector<cards::Kort*>& cards);

// Lines of the log that follow `tag` up to and including the next "<END>"; empty when the tag
// is not there.
std::vector<std::string> Block(const std::vector<std::string>& log, const std::string& tag);
bool Contains(const std::vector<std::string>& log, const std::string& line);

// What a failed log must leave untouched.
struct TableSnapshot {
    int vi = 0;
    int de = 0;
    int dealer = 0;
    int packo = 0;
    int status = 0;
    bool replay = false;
    table::WaitStep timer1_step = table::WaitStep::None;
    std::array<std::vector<int>, common::kSeats> hands;
    std::array<std::vector<int>, common::kSeats> spots;
    std::vector<int> killed;
    int scoreboard_rows = 0;
    std::array<std::string, presentation::kScoreboardRows> scoreboard_vi;

    bool operator==(const TableSnapshot&) const = default;
};
TableSnapshot Snapshot(const table::Table& table);

}  // namespace table_test
