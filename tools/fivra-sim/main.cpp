// fivra-sim: plays Fivra headless with four computer seats on the virtual clock and checks the
// rules of every round. The last line of standard output is a JSON summary.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "CardAudit.h"
#include "Duplicate.h"
#include "SelfPlay.h"

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

bool ParseNumber(const char* text, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return end != text && *end == '\0' && value >= 0;
}

struct Arguments {
    sim::SimOptions options;
    bool duplicate = false;
    std::string audit_file;
    bool audit_summary = false;
    int audit_samples = sim::CardAudit::kSamples;
};

bool ParseNumberFlag(const std::string& flag, const char* value, sim::SimOptions& options) {
    long long number = 0;
    if (!ParseNumber(value, number)) {
        return false;
    }
    if (flag == "--rounds") {
        options.rounds = static_cast<int>(number);
    } else if (flag == "--games") {
        options.games = static_cast<int>(number);
    } else if (flag == "--expert-budget") {
        options.players.expert_budget = number;
    } else if (flag == "--jobs") {
        options.jobs = static_cast<int>(std::clamp(number, 1LL, 64LL));
    } else if (flag == "--search-samples") {
        options.players.search_samples = static_cast<int>(std::max(1LL, number));
    } else {
        options.seed = static_cast<std::uint64_t>(number);
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
        long long number = 0;
        if (!ParseNumber(value, number) || number < 1) {
            return false;
        }
        arguments.audit_samples = static_cast<int>(std::min(number, 100000LL));
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

// A data folder that is not there would quietly leave a team with the default files.
bool FoldersExist(const sim::SimOptions& options) {
    for (const std::string& dir : {options.data_dir, options.data_vi, options.data_de}) {
        std::error_code error;
        if (!dir.empty() && !std::filesystem::is_directory(dir, error)) {
            std::cerr << "fivra-sim: no data folder " << dir << "\n";
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
    if (!FoldersExist(options)) {
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
