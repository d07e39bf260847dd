// fivra-sim: plays Fivra headless with four computer seats on the virtual clock and checks the
// rules of every round. The last line of standard output is a JSON summary.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "CardAudit.h"
#include "Duplicate.h"
#include "SelfPlay.h"
#include "bidai/BidBaseFormat.h"
#include "folders/ProgramFolder.h"
#include "playai/PlayEngine.h"

namespace {

constexpr const char* kUsage =
    "usage: fivra-sim (--rounds N | --games N | --reload FILE | --replay FILE) [--seed S]\n"
    "                 [--data DIR] [--data-vi DIR] [--data-de DIR] [--logs DIR]\n"
    "                 [--policy-vi P] [--policy-de P] [--search-samples N] [--search-bids]\n"
    "                 [--expert-budget N]\n"
    "                 [--duplicate] [--jobs N] [--audit FILE] [--audit-summary]\n"
    "                 [--audit-samples N]\n"
    "                 [--mutate-rules]\n"
    "--data-vi and --data-de give a team rule files of its own, laid over those of --data.\n"
    "P is rules (the team's rule files), random, greedy, search or expert; beginner, normal\n"
    "and expert name the game's levels (greedy, rules, expert). --duplicate plays the rounds\n"
    "again on the same deals with the teams swapped; --jobs 2 plays the two seatings on two\n"
    "threads with the same results. --audit judges every computer card\n"
    "against the best card by sampled deals and writes one line a decision. --mutate-rules\n"
    "replaces the rule files by random mutations while the rounds run.\n";

// A whole decimal number from `lowest` to `highest`; anything else (a sign, a fraction, a number
// past the end of the range or of the type) is told by the flag's name and refused.
bool ParseNumber(const std::string& flag, const char* text, std::uint64_t lowest,
                 std::uint64_t highest, std::uint64_t& value) {
    const std::string_view digits(text);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        value < lowest || value > highest) {
        std::cerr << "fivra-sim: " << flag << " " << text << " is not a whole number from "
                  << lowest << " to " << highest << "\n";
        return false;
    }
    return true;
}

struct Arguments {
    sim::SimOptions options;
    bool duplicate = false;
    std::string audit_file;
    bool audit_summary = false;
    int audit_samples = sim::CardAudit::kSamples;
};

bool ParseNumberFlag(const std::string& flag, const char* value, sim::SimOptions& options) {
    constexpr std::uint64_t kMostInt = std::numeric_limits<int>::max();
    constexpr std::uint64_t kMostSamples = 1'000'000;
    if (flag == "--seed") {
        return ParseNumber(flag, value, 0, std::numeric_limits<std::uint64_t>::max(), options.seed);
    }
    const bool budget = flag == "--expert-budget";
    const bool samples = flag == "--search-samples";
    const std::uint64_t lowest = samples ? 1 : 0;
    const std::uint64_t highest = budget    ? std::numeric_limits<std::int64_t>::max()
                                  : samples ? kMostSamples
                                            : kMostInt;
    std::uint64_t number = 0;
    if (!ParseNumber(flag, value, lowest, highest, number)) {
        return false;
    }
    if (budget) {
        options.players.expert_budget = static_cast<std::int64_t>(number);
    } else if (flag == "--jobs") {
        options.jobs = static_cast<int>(std::clamp<std::uint64_t>(number, 1, 64));
    } else {
        (flag == "--rounds"  ? options.rounds
         : flag == "--games" ? options.games
                             : options.players.search_samples) = static_cast<int>(number);
    }
    return true;
}

bool ParseValueFlag(const std::string& flag, const char* value, Arguments& arguments) {
    sim::SimOptions& options = arguments.options;
    if (flag == "--rounds" || flag == "--games" || flag == "--seed" || flag == "--search-samples" ||
        flag == "--jobs" || flag == "--expert-budget") {
        return ParseNumberFlag(flag, value, options);
    }
    if (flag == "--policy-vi" || flag == "--policy-de") {
        (flag == "--policy-vi" ? options.policy_vi : options.policy_de) = value;
        return sim::IsPolicy(value);
    }
    if (flag == "--audit-samples") {
        std::uint64_t number = 0;
        if (!ParseNumber(flag, value, 1, std::numeric_limits<int>::max(), number)) {
            return false;
        }
        arguments.audit_samples = static_cast<int>(std::min<std::uint64_t>(number, 100000));
        return true;
    }
    if (flag == "--audit") {
        arguments.audit_file = value;
        return true;
    }
    std::string* target = flag == "--data"      ? &options.data_dir
                          : flag == "--data-vi" ? &options.data_vi
                          : flag == "--data-de" ? &options.data_de
                          : flag == "--logs"    ? &options.logs_dir
                          : flag == "--reload"  ? &options.reload_file
                          : flag == "--replay"  ? &options.replay_file
                                                : nullptr;
    if (target == nullptr) {
        return false;
    }
    *target = value;
    return true;
}

bool ParseArguments(int argc, char** argv, Arguments& arguments) {
    sim::SimOptions& options = arguments.options;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--mutate-rules") {
            options.mutate_rules = true;
            continue;
        }
        if (flag == "--duplicate" || flag == "--search-bids" || flag == "--audit-summary") {
            (flag == "--duplicate"     ? arguments.duplicate
             : flag == "--search-bids" ? options.players.search_bids
                                       : arguments.audit_summary) = true;
            continue;
        }
        if (i + 1 >= argc || !ParseValueFlag(flag, argv[++i], arguments)) {
            return false;
        }
    }
    if (arguments.duplicate && options.rounds <= 0) {
        return false;  // a duplicate match pairs rounds, so it is counted in rounds
    }
    return options.rounds > 0 || options.games > 0 || !options.reload_file.empty() ||
           !options.replay_file.empty();
}

// A data folder that is not there, or lacks the rule files, would quietly leave a team with
// forced bids and default cards; a logs folder that cannot be written would keep nothing.
bool FoldersUsable(const sim::SimOptions& options) {
    namespace fs = std::filesystem;
    for (const std::string& dir : {options.data_dir, options.data_vi, options.data_de}) {
        std::error_code error;
        if (!dir.empty() && !fs::is_directory(dir, error)) {
            std::cerr << "fivra-sim: no data folder " << dir << "\n";
            return false;
        }
    }
    if (!folders::HoldsRuleFiles(options.data_dir)) {
        std::cerr << "fivra-sim: the data folder " << options.data_dir << " lacks the rule files ("
                  << bidai::kBidBaseFileName << ", " << bidai::kBidRulesFileName << ", "
                  << playai::kPlayRulesFile << ")\n";
        return false;
    }
    if (!options.logs_dir.empty()) {
        std::error_code error;
        fs::create_directories(options.logs_dir, error);
        const fs::path probe = fs::path(options.logs_dir) / ".fivra-sim-probe";
        const bool writable = !error && std::ofstream(probe).good();
        fs::remove(probe, error);
        if (!writable) {
            std::cerr << "fivra-sim: the logs folder " << options.logs_dir
                      << " cannot be written\n";
            return false;
        }
    }
    return true;
}

// A run that could not set up its program folder has played nothing worth a summary.
bool CannotSetUp(const sim::SimSummary& summary) {
    if (summary.setup_problem.empty()) {
        return false;
    }
    std::cerr << "fivra-sim: " << summary.setup_problem << "\n";
    return true;
}

void PrintFailures(const sim::SimSummary& summary) {
    for (const std::string& failure : summary.failures) {
        std::cerr << "FAILED " << failure << "\n";
    }
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (!ParseArguments(argc, argv, arguments)) {
        std::cerr << kUsage;
        return 2;
    }
    sim::SimOptions& options = arguments.options;
    if (!FoldersUsable(options)) {
        return 2;
    }
    options.progress = true;
    std::ofstream audit_out;
    std::unique_ptr<sim::CardAudit> audit;
    if (!arguments.audit_file.empty() || arguments.audit_summary) {
        if (!arguments.audit_file.empty()) {
            audit_out.open(arguments.audit_file);
            if (!audit_out) {
                std::cerr << "fivra-sim: cannot write the audit file " << arguments.audit_file
                          << "\n";
                return 2;
            }
        }
        audit = std::make_unique<sim::CardAudit>(audit_out.is_open() ? &audit_out : nullptr,
                                                 options.seed, arguments.audit_samples);
        options.audit = audit.get();
    }
    int failures = 0;
    int rounds = 0;
    std::string json;
    if (arguments.duplicate) {
        const sim::DuplicateSummary summary = sim::RunDuplicate(options, std::cerr);
        if (CannotSetUp(summary.first) || CannotSetUp(summary.second)) {
            return 3;
        }
        PrintFailures(summary.first);
        PrintFailures(summary.second);
        failures = summary.first.invariant_failures + summary.second.invariant_failures;
        rounds = summary.first.rounds + summary.second.rounds;
        json = summary.ToJson(options);
    } else {
        const sim::SimSummary summary = sim::RunSelfPlay(options, std::cerr);
        if (CannotSetUp(summary)) {
            return 3;
        }
        PrintFailures(summary);
        failures = summary.invariant_failures;
        rounds = summary.rounds;
        json = summary.ToJson();
    }
    if (audit && arguments.audit_summary) {
        audit->Summary(std::cout, rounds);
    }
    std::cout << json << std::endl;
    return failures == 0 ? 0 : 1;
}
