#pragma once

#include <string>

namespace bidai {

// Where in a bid base or bid rule file something stands: the path as opened, with the line
// when there is one.
inline std::string FilePlace(const std::string& file, int line) {
    return line > 0 ? file + ", line " + std::to_string(line) : file;
}

// What is wrong with a bid base or bid rule file, for the one message the player gets.
struct BidFileError {
    std::string file;  // the path as opened
    int line = 0;      // 0 when the problem is the whole file
    std::string problem;

    std::string Text() const {
        return FilePlace(file, line) + ": " + problem + ". The seat makes a safe bid.";
    }
};

// A field the reading went past as the files' language allows (an operator that does
// nothing, a number field without a number that reads as 0). The decision goes on; the rule
// author learns of the likely typo from one line of the game log.
struct BidFileNote {
    int line = 0;
    std::string problem;

    std::string Text(const std::string& file) const {
        return FilePlace(file, line) + ": " + problem;
    }
};

}  // namespace bidai
