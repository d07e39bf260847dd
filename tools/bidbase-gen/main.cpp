// fivra-bidbase-gen: writes the bid base "FivraBidBase.txt".
//
// By default each key's numbers come from a quick formula (BidBaseEstimate). With --simulate
// they are measured: for every key, rounds are dealt in which one seat holds one of the key's
// holdings in a colour (the rest of the deal at random, the seat in each place after the
// dealer in turn), that colour is trump with the seat as the bidder, every seat buys as the
// game buys, and the cards are played by the shipped play rules through the game's own table.
// The rounds are played at one bid (--play-bid, 7); what a team takes hardly depends on it.
//   EA(bid)  the seat's team's mean round score had it bid that: the points taken when they
//            reach the bid, else minus the bid;
//   P(bid)   the share of rounds whose points reach the bid;
//   EaUH(k)  the seat's team's mean round score when the seat k places after it takes the bid
//            in that colour: as bidders (k 0 and 2) at the play bid, as defenders the points
//            they take.
// Every key runs from its own seed, mixed from --seed and the key, so one key can be run again
// alone (--key) and gives the same numbers.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "BidBaseEstimate.h"
#include "BidBaseWriter.h"
#include "Holdings.h"
#include "KeySimulation.h"
#include "ScratchFolder.h"

namespace {

constexpr const char* kUsage =
    "usage: fivra-bidbase-gen [--simulate [--data DIR] [--seed S] [--deals N] [--min-deals N]\n"
    "                         [--common-deals N] [--play-bid B] [--jobs J] [--key KEY]] OUTPUT\n"
    "--deals is the number of rounds for the commonest key; rarer keys get fewer, in\n"
    "proportion to the square root of how often a deal holds them, but at least --min-deals.\n"
    "The commonest keys, which hold half of all dealt colours, get at least --common-deals.\n";

struct Options {
    bool simulate = false;
    std::string data_dir = "data";
    std::uint64_t seed = 1;
    int deals = 800;
    int min_deals = 40;
    int common_deals = 0;
    int play_bid = 7;
    int jobs = 2;
    std::string only_key;  // run this key alone (its tag and key, "<1>[_A_]") and print it
    std::string output;
};

bool ParseArguments(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--simulate") {
            options.simulate = true;
            continue;
        }
        if (flag.rfind("--", 0) != 0) {
            options.output = flag;
            continue;
        }
        if (i + 1 >= argc) {
            return false;
        }
        const std::string value = argv[++i];
        char* end = nullptr;
        const long long number = std::strtoll(value.c_str(), &end, 10);
        const bool numeric = end != value.c_str() && *end == '\0' && number > 0;
        if (flag == "--data") {
            options.data_dir = value;
        } else if (flag == "--key") {
            options.only_key = value;
        } else if (!numeric) {
            return false;
        } else if (flag == "--seed") {
            options.seed = static_cast<std::uint64_t>(number);
        } else if (flag == "--deals") {
            options.deals = static_cast<int>(number);
        } else if (flag == "--min-deals") {
            options.min_deals = static_cast<int>(number);
        } else if (flag == "--common-deals") {
            options.common_deals = static_cast<int>(number);
        } else if (flag == "--play-bid") {
            options.play_bid = static_cast<int>(number);
        } else if (flag == "--jobs") {
            options.jobs = static_cast<int>(number);
        } else {
            return false;
        }
    }
    return !options.output.empty() || !options.only_key.empty();
}

int DealsFor(const bidbase_gen::KeyHoldings& key, double top_weight, const Options& options) {
    const double share = std::sqrt(key.weight / top_weight);
    return std::max(options.min_deals, static_cast<int>(std::lround(options.deals * share)));
}

bidbase_gen::SimulationSetup SetupFor(const bidbase_gen::KeyHoldings& key, double top_weight,
                                      const Options& options, const std::string& folder) {
    bidbase_gen::SimulationSetup setup;
    setup.folder = folder;
    setup.seed = options.seed;
    setup.deals = DealsFor(key, top_weight, options);
    // The other bidders' rounds (EaUH) stay in proportion; only EA gets the common keys' floor.
    setup.deals_per_other = std::max(1, setup.deals / 4);
    if (key.common) {
        setup.deals = std::max(setup.deals, options.common_deals);
    }
    setup.play_bid = options.play_bid;
    return setup;
}

void ShowProgress(std::size_t done, std::size_t keys, long long rounds, double seconds) {
    constexpr int kWidth = 30;
    const int filled = static_cast<int>(kWidth * done / std::max<std::size_t>(keys, 1));
    const double rate = seconds > 0 ? rounds / seconds : 0.0;
    const double left = done > 0 ? seconds * (keys - done) / done : 0.0;
    std::fprintf(stderr, "\r[%s%s] %zu/%zu keys, %lld rounds, %.0f rounds/s, %.0f min left ",
                 std::string(filled, '#').c_str(), std::string(kWidth - filled, '.').c_str(), done,
                 keys, rounds, rate, left / 60.0);
}

// Runs every key on `jobs` threads, each with a table in a folder of its own.
std::vector<bidbase_gen::KeyOutcome> SimulateAll(const std::vector<bidbase_gen::KeyHoldings>& keys,
                                                 double top_weight, const Options& options) {
    std::vector<bidbase_gen::KeyOutcome> outcomes(keys.size());
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    std::atomic<long long> rounds{0};
    const auto started = std::chrono::steady_clock::now();
    std::mutex progress;
    auto worker = [&] {
        sim::ScratchFolder folder(options.data_dir);
        for (std::size_t i = next++; i < keys.size(); i = next++) {
            outcomes[i] = bidbase_gen::SimulateKey(
                keys[i], SetupFor(keys[i], top_weight, options, folder.Path()));
            rounds += outcomes[i].rounds;
            ++done;
            const std::lock_guard<std::mutex> lock(progress);
            ShowProgress(
                done, keys.size(), rounds,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        }
    };
    std::vector<std::thread> threads;
    for (int j = 0; j < std::max(1, options.jobs); ++j) {
        threads.emplace_back(worker);
    }
    for (auto& t : threads) {
        t.join();
    }
    std::fprintf(stderr, "\n");
    return outcomes;
}

// What --simulate measured: the keys real deals hold most, with their standard errors.
void Report(const std::vector<bidbase_gen::KeyHoldings>& keys,
            const std::vector<bidbase_gen::KeyOutcome>& outcomes) {
    std::vector<std::size_t> order(keys.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return keys[a].weight > keys[b].weight; });
    double worst = 0.0;
    int common = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].common) {
            worst = std::max(worst, outcomes[i].ea_stderr);
            ++common;
        }
    }
    std::printf(
        "the %d keys holding half of all dealt colours: largest standard error of EA "
        "(bids 6-10) %.3f\n",
        common, worst);
    for (std::size_t n = 0; n < 5 && n < order.size(); ++n) {
        const std::size_t i = order[n];
        std::printf("  %s %s: %d rounds, EA(6) %.2f, P(6) %.3f, SE %.3f\n", keys[i].tag.c_str(),
                    keys[i].key.c_str(), outcomes[i].rounds, outcomes[i].record.ea[1],
                    outcomes[i].record.p[1], outcomes[i].ea_stderr);
    }
}

bool WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "fivra-bidbase-gen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseArguments(argc, argv, options)) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    std::vector<bidbase_gen::KeyHoldings> keys = bidbase_gen::AllKeys();
    double top_weight = 0.0;
    for (const auto& key : keys) {
        top_weight = std::max(top_weight, key.weight);
    }
    if (!options.only_key.empty()) {
        std::erase_if(keys, [&](const auto& k) { return k.tag + k.key != options.only_key; });
        if (keys.empty()) {
            std::fprintf(stderr, "fivra-bidbase-gen: no key %s\n", options.only_key.c_str());
            return 2;
        }
        options.simulate = true;
    }
    std::vector<bidai::BidRecord> records;
    if (options.simulate) {
        const auto outcomes = SimulateAll(keys, top_weight, options);
        int problems = 0;
        for (const auto& outcome : outcomes) {
            records.push_back(outcome.record);
            for (const std::string& problem : outcome.problems) {
                if (++problems <= 20) {
                    std::fprintf(stderr, "fivra-bidbase-gen: %s\n", problem.c_str());
                }
            }
        }
        Report(keys, outcomes);
        if (problems > 0) {
            std::fprintf(stderr, "fivra-bidbase-gen: %d problems\n", problems);
            return 1;
        }
    } else {
        for (const auto& key : keys) {
            records.push_back(bidbase_gen::EstimateRecord(key.holdings.front()));
        }
    }
    const std::string text = bidbase_gen::BidBaseText(keys, records);
    if (!options.only_key.empty()) {
        std::printf("%s", text.c_str());
        return 0;
    }
    if (!WriteFile(options.output, text)) {
        return 1;
    }
    std::printf("%s: %zu keys\n", options.output.c_str(), keys.size());
    return 0;
}
