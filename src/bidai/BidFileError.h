#pragma once

#include <string>

namespace bidai {

// What is wrong with a bid base or bid rule file, for the one message the player gets.
struct BidFileError {
    std::string file;  // the path as opened
    int line = 0;      // 0 when the problem is the whole file
    std::string problem;

    std::string Text() const {
        const std::string where = line > 0 ? file + ", line " + std::to_string(line) : file;
        return where + ": " + problem + ". The seat makes a safe bid.";
    }
};

}  // namespace bidai
