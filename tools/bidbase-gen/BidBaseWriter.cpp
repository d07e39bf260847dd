#include "BidBaseWriter.h"

#include <bit>
#include <map>
#include <vector>

#include "BidBaseEstimate.h"
#include "bidai/BidBaseFormat.h"
#include "bidai/HoldingKey.h"
#include "common/NumberText.h"

namespace bidbase_gen {

namespace {

inline constexpr int kTrumpRanks = 14;
// A colour of more than six cards is capped to a holding of six, so six-card holdings give
// every key there is.
inline constexpr int kMaxHeld = 6;

struct Section {
    std::map<std::string, std::vector<int>> keys;  // key -> rank values of one holding
};

// Sections in file order: <0> .. <6>, then the shapes with two or more middle cards.
std::vector<std::string> TagOrder() {
    std::vector<std::string> tags;
    for (int count = 0; count <= kMaxHeld; ++count) {
        tags.push_back("<" + std::to_string(count) + ">");
    }
    for (int count = 4; count <= kMaxHeld; ++count) {
        for (int middle = 2; middle <= count; ++middle) {
            tags.push_back("<" + std::to_string(count) + "_" + std::to_string(middle) + ">");
        }
    }
    return tags;
}

std::map<std::string, Section> AllHoldings() {
    std::map<std::string, Section> sections;
    for (unsigned mask = 0; mask < (1u << kTrumpRanks); ++mask) {
        if (std::popcount(mask) > kMaxHeld) {
            continue;
        }
        std::vector<int> ranks;
        for (int r = kTrumpRanks; r >= 1; --r) {
            if ((mask & (1u << (r - 1))) != 0) {
                ranks.push_back(r);
            }
        }
        const bidai::HoldingKey holding = bidai::MakeHoldingKey(ranks);
        sections[holding.tag].keys.emplace(holding.key, ranks);
    }
    return sections;
}

std::string RecordLine(const std::string& key, const bidai::BidRecord& record) {
    std::string line = key;
    for (const float ea : record.ea) {
        line += "," + common::NumberText(ea);
    }
    line += ",P";
    for (const int j : bidai::kPFieldOrder) {
        line += "," + common::NumberText(record.p[j]);
    }
    line += ",U";
    for (const float eauh : record.eauh) {
        line += "," + common::NumberText(eauh);
    }
    return line + "\n";
}

}  // namespace

std::string BidBaseText(int& keys) {
    const std::map<std::string, Section> sections = AllHoldings();
    std::string text = std::string(bidai::kBidBaseMarker) + "\n";
    keys = 0;
    for (const std::string& tag : TagOrder()) {
        const auto it = sections.find(tag);
        if (it == sections.end()) {
            continue;
        }
        text += tag + "\n";
        for (const auto& [key, ranks] : it->second.keys) {
            text += RecordLine(key, EstimateRecord(ranks));
            ++keys;
        }
    }
    return text;
}

}  // namespace bidbase_gen
