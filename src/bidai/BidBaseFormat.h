#pragma once

#include <array>
#include <string_view>

// The layout of the bid base file "FivraBidBase.txt", shared by its reader and its generator.
namespace bidai {

inline constexpr std::string_view kBidBaseFileName = "FivraBidBase.txt";
inline constexpr std::string_view kBidRulesFileName = "FivraBidRulesAI.txt";

// First field of a bid base in plain form.
inline constexpr std::string_view kBidBaseMarker = "KLARTX";

// A record: the key, then ten EA fields (bids 5..14), one ignored field, nine P fields in the
// order below (as bid - 5), one ignored field and four EaUH fields (relative seats 0..3).
inline constexpr int kEaFields = 10;
inline constexpr int kPFields = 9;
inline constexpr int kEaUHFields = 4;
inline constexpr std::array<int, kPFields> kPFieldOrder = {2, 8, 7, 5, 1, 4, 9, 3, 6};

}  // namespace bidai
