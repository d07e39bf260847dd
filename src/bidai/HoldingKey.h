#pragma once

#include <string>
#include <vector>

namespace bidai {

// How the bid base knows a holding of one colour: the key of its cards and the count tag of
// its section.
struct HoldingKey {
    std::string key;      // searched for, e.g. "[_A_K_M_V_2_]", or "[_A_K_V_]" with tag <5_2>
    std::string log_key;  // the key with every middle card as "M_", as the game log shows it
    std::string tag;      // "<3>", or "<5_2>" with two or more middle cards
    int count = 0;        // cards after capping at six
    int middle = 0;       // middle cards
    std::vector<int> unknown_ranks;  // rank values outside 0..14 met on the way
};

// Builds key and tag from the rank values of one colour's cards, in the order the hand holds
// them: caps the colour at six cards (the low and the plain high cards go first; the 2, the
// fivras, the 10 and the J stay), turns the 3 and 4 of a five- or six-card colour into
// middle cards, and folds two or more middle cards into the tag.
HoldingKey MakeHoldingKey(std::vector<int> ranks);

}  // namespace bidai
