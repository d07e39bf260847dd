#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/LogSink.h"

namespace gamelog_test {

// The facts of a round written by the log blocks, as the readers should give them back.
struct SampleRound {
    int gbVi = 0;
    int gbDe = 0;
    int bidder = 0;
    int bid = 0;
    int dealer = 0;
    int trump = 0;
    std::array<std::string, 53> order;
    std::array<std::vector<std::string>, 4> fore_kop;
    std::array<std::vector<std::string>, 4> koper;
};

// Shuffles a deck with `seed`, deals, and logs a whole round through the block writers with
// informational lines between the blocks, as the table does.
SampleRound WriteSampleRound(common::LogSink& log, std::uint64_t seed);

struct LinesSink : common::LogSink {
    void Log(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

// The lines as one text, each followed by `end`.
inline std::string Joined(const std::vector<std::string>& lines, const std::string& end = "\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

}  // namespace gamelog_test
