// fivra-sim: plays Fivra headless with four computer seats on the virtual clock and checks the
// rules of every round. The last line of standard output is a JSON summary.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "SelfPlay.h"

namespace {

constexpr const char* kUsage =
    "usage: fivra-sim (--rounds N | --games N | --reload FILE | --replay FILE) [--seed S]\n"
    "                 [--data DIR] [--data-vi DIR] [--data-de DIR] [--logs DIR]\n"
    "--data-vi and --data-de give a team rule files of its own, laid over those of --data.\n";

bool ParseNumber(const char* text, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return end != text && *end == '\0' && value >= 0;
}

bool ParseArguments(int argc, char** argv, sim::SimOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) {
            return false;
        }
        const char* value = argv[++i];
        long long number = 0;
        if (flag == "--rounds" || flag == "--games" || flag == "--seed") {
            if (!ParseNumber(value, number)) {
                return false;
            }
            if (flag == "--rounds") {
                options.rounds = static_cast<int>(number);
            } else if (flag == "--games") {
                options.games = static_cast<int>(number);
            } else {
                options.seed = static_cast<std::uint64_t>(number);
            }
        } else if (flag == "--data") {
            options.data_dir = value;
        } else if (flag == "--data-vi") {
            options.data_vi = value;
        } else if (flag == "--data-de") {
            options.data_de = value;
        } else if (flag == "--logs") {
            options.logs_dir = value;
        } else if (flag == "--reload") {
            options.reload_file = value;
        } else if (flag == "--replay") {
            options.replay_file = value;
        } else {
            return false;
        }
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

}  // namespace

int main(int argc, char** argv) {
    sim::SimOptions options;
    if (!ParseArguments(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    if (!FoldersExist(options)) {
        return 2;
    }
    options.progress = true;
    const sim::SimSummary summary = sim::RunSelfPlay(options, std::cerr);
    for (const std::string& failure : summary.failures) {
        std::cerr << "FAILED " << failure << "\n";
    }
    std::cout << summary.ToJson() << std::endl;
    return summary.invariant_failures == 0 ? 0 : 1;
}
