#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "bidai/BidBaseFormat.h"
#include "bidai/BidFileError.h"
#include "bidai/BidTables.h"

namespace bidai {

// The 25 numbers of one key of the bid base.
struct BidRecord {
    std::array<float, kEaFields> ea{};      // bids 5..14
    std::array<float, kLevels> p{};         // by bid - 5; entries 1..9 are read
    std::array<float, kEaUHFields> eauh{};  // relative seats 0..3
};

struct BidLookup {
    enum class Status { kFound, kNotFound, kBadField };
    Status status = Status::kNotFound;
    BidRecord record;
    int line = 0;                    // where a bad field stands
    std::string problem;             // what is wrong with it
    std::vector<BidFileNote> notes;  // number fields without a number, read as 0
};

// True when the text's first field is the plain-form marker.
bool HasPlainMarker(std::string_view text);

// A bid base held in memory, looked over once for what every search in it must know.
struct BidBaseText {
    explicit BidBaseText(std::string_view text);

    std::string_view text;
    bool quoted = false;  // a double quote stands somewhere: only the field walk reads it right
};

// Searches a bid base held in memory the way the game reads it: skip to the count tag, then
// read on (past later tags) to the first field equal to the key, and read its 25 numbers.
// A number field that holds no number reads as 0 and leaves a note; a record cut short by
// the end of the file is a bad field. Tag and key are searched for in the bytes of the text,
// as whole fields.
BidLookup FindBidRecord(const BidBaseText& base, std::string_view tag, std::string_view key);
BidLookup FindBidRecord(std::string_view text, std::string_view tag, std::string_view key);

// The same search walking the text field by field; FindBidRecord falls back on it for a text
// with quoted fields, where only the walk knows which commas are inside quotes.
BidLookup FindBidRecordByFields(std::string_view text, std::string_view tag, std::string_view key);

}  // namespace bidai
