#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "ReferencePlayers.h"

namespace sim {

class CardAudit;

struct SimOptions {
    int rounds = 0;  // stop after this many rounds (0: no limit by rounds)
    int games = 0;   // stop after this many finished games (0: no limit by games)
    std::uint64_t seed = 1;
    std::string data_dir = ".";
    // Rule folders of the two teams (bid base, bid rules, play rules): each team reads the files
    // of `data_dir` with those of its own folder laid over them. Empty: `data_dir` alone.
    std::string data_vi;
    std::string data_de;
    std::string logs_dir;     // keep every round's game log here when set
    std::string reload_file;  // play the logged deal of this log again
    std::string replay_file;  // play the logged trump hands of this log from the first trick
    bool progress = false;    // a progress line on the error stream now and then
    // Who decides for each team: "rules" (its rule files), "random", "greedy" or "search".
    std::string policy_vi = "rules";
    std::string policy_de = "rules";
    PlayerOptions players;
    // Deal n is laid from the seed and n alone, so that a second run with the teams swapped
    // gets the same cards in every round.
    bool stacked_deals = false;
    CardAudit* audit = nullptr;  // judges every computer card when set
    bool mutate_rules = false;   // replace the rule files by random mutations between steps
    int jobs = 1;                // threads a duplicate match may play its seatings on
};

struct SimSummary {
    int rounds = 0;
    int games = 0;
    int games_won_vi = 0;
    int games_won_de = 0;
    int bids_made = 0;
    int bids_failed = 0;
    int forced_bids = 0;
    long long points_vi = 0;  // round scores after the bid check, summed
    long long points_de = 0;
    double points_diff_squares = 0;  // per round (Vi's score - De's score) squared, summed
    int bids_vi = 0;                 // rounds in which Vi won the auction
    int bids_made_vi = 0;
    int bids_de = 0;
    int bids_made_de = 0;
    int invariant_failures = 0;
    long long plays = 0;          // cards chosen by the play rules
    long long default_plays = 0;  // of which no rule decided
    int messages = 0;             // message boxes the table showed
    double seconds = 0;
    std::vector<std::string> failures;  // the first failures, with round and seed
    std::vector<int> round_leads;       // per round, Vi's score minus De's
    std::string setup_problem;          // why the run could not start; empty when it did

    // One JSON object on one line. Besides the counts it gives the mean round score of each team,
    // and the mean and standard error of Vi's lead per round, which a comparison of two rule
    // sets reads.
    std::string ToJson() const;
};

// Plays rounds with four computer seats on the virtual clock and checks every round.
SimSummary RunSelfPlay(const SimOptions& options, std::ostream& progress);

}  // namespace sim
