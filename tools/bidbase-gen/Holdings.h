#pragma once

#include <map>
#include <string>
#include <vector>

namespace bidbase_gen {

// Every holding of one colour (rank values, highest first) that a hand of up to six cards in
// that colour can show, grouped under the bid base key it reads as.
struct KeyHoldings {
    std::string tag;
    std::string key;
    std::vector<std::vector<int>> holdings;
    // How often a dealt hand of nine cards holds one of these in a given colour, up to a
    // common factor: holdings of n cards times the ways to choose the other 9 - n cards.
    double weight = 0.0;
    // Among the commonest keys that together hold half of all dealt colours.
    bool common = false;
};

// Sections in file order: <0> .. <6>, then the shapes with two or more middle cards.
std::vector<std::string> TagOrder();

// All keys, in file order (by section, then by key), the commonest marked.
std::vector<KeyHoldings> AllKeys();

}  // namespace bidbase_gen
