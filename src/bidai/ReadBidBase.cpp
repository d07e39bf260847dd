#include "bidai/BidBaseRecord.h"
#include "bidai/BidEngine.h"
#include "bidai/HoldingKey.h"
#include "common/FieldReader.h"
#include "common/NumberText.h"

// The valuation of a hand, colour by colour, from the bid base.
namespace bidai {

namespace {

inline constexpr std::array<std::string_view, kColours> kColourLogNames = {"KLOVER ", "RUTER ",
                                                                           "HJARTER ", "SPADER "};

std::vector<int> RanksOfColour(const cards::KortHand& hand, int code) {
    std::vector<int> ranks;
    for (const cards::Kort* card : hand.Cards()) {
        if (card->IsOfColour(code)) {
            ranks.push_back(card->Rang);
        }
    }
    return ranks;
}

// One log line of a colour: its name, the label, the key between tabs, then the numbers
// from..to, each followed by a blank.
template <std::size_t N>
std::string ColourLine(std::string_view name, std::string_view label, std::string_view key,
                       const std::array<float, N>& values, std::size_t from, std::size_t to) {
    std::string line;
    line.reserve(name.size() + label.size() + key.size() + 2 + 12 * (to - from + 1));
    line.append(name).append(label).append(1, '\t').append(key).append(1, '\t');
    for (std::size_t i = from; i <= to; ++i) {
        common::AppendNumberText(line, values[i]);
        line += ' ';
    }
    return line;
}

}  // namespace

void BidEngine::ClearTables() {
    for (int c = 0; c < kColours; ++c) {
        tables_.EA[c].fill(kUnvalued);
        tables_.P[c].fill(0.0f);
        tables_.EaUH[c].fill(0.0f);
    }
}

bool BidEngine::ReadBidBase(const BidContext& ctx, const std::string& fileName) {
    for (auto& ea : tables_.EA) {
        ea.fill(kUnvalued);
    }
    const std::string path = ctx.folder + fileName;
    const std::optional<std::string> text = common::ReadWholeFile(path);
    std::optional<BidFileError> error;
    if (!text) {
        error = BidFileError{path, 0,
                             "the bid base cannot be read (" + common::WhyUnreadable(path) + ")"};
    } else if (!HasPlainMarker(*text)) {
        error = BidFileError{path, 1,
                             "the bid base does not begin with " + std::string(kBidBaseMarker)};
    }
    if (error) {
        ClearTables();
        TellFileProblem(ctx, *error, text.value_or(std::string()));
        return false;
    }
    // A colour whose key is missing stays unvalued; the other colours and the bid rules carry
    // on, so an edited bid base weakens one colour instead of silencing the seat.
    const BidBaseText base(*text);
    for (int c = 0; c < kColours; ++c) {
        if (!ValueColour(ctx, base, fileName, c)) {
            return false;
        }
    }
    told_.erase(path);
    return true;
}

bool BidEngine::ValueColour(const BidContext& ctx, const BidBaseText& base,
                            const std::string& fileName, int colour_index) {
    // Under this colour as trump the fivra of the other suit reports this colour and Rang 4.
    ctx.deck.ValjFarg(common::ColourCode(colour_index));
    const HoldingKey holding =
        MakeHoldingKey(RanksOfColour(ctx.hand, common::ColourCode(colour_index)));
    for (const int rank : holding.unknown_ranks) {
        ctx.dialogs.Message("Unknown card " + std::to_string(rank));
    }
    const BidLookup lookup = FindBidRecord(base, holding.tag, holding.key);
    if (lookup.status == BidLookup::Status::kBadField) {
        ClearTables();
        TellFileProblem(ctx, BidFileError{ctx.folder + fileName, lookup.line, lookup.problem},
                        base.text);
        return false;
    }
    for (const BidFileNote& note : lookup.notes) {
        ctx.log.Log(note.Text(ctx.folder + fileName));
    }
    if (lookup.status == BidLookup::Status::kFound) {
        std::copy(lookup.record.ea.begin(), lookup.record.ea.end(),
                  tables_.EA[colour_index].begin());
        tables_.P[colour_index] = lookup.record.p;
        tables_.EaUH[colour_index] = lookup.record.eauh;
    } else {
        // EA stays unvalued, which keeps any bid in this colour unattractive; P and EaUH keep
        // what they held.
        ctx.dialogs.Message("Please check log - Didn't find key: " + holding.key +
                            " in the file: " + fileName);
        ctx.dialogs.Message("Rollto: " + holding.tag);
    }
    LogColour(ctx, colour_index, holding.log_key);
    return true;
}

void BidEngine::LogColour(const BidContext& ctx, int colour_index, const std::string& log_key) {
    const std::string_view name = kColourLogNames[colour_index];
    ctx.log.Log(ColourLine(name, " EA   ", log_key, tables_.EA[colour_index], 0, kEaFields - 1));
    ctx.log.Log(ColourLine(name, " P(x) ", log_key, tables_.P[colour_index], 1, kPFields));
    ctx.log.Log(
        ColourLine(name, " EaUH ", log_key, tables_.EaUH[colour_index], 0, kEaUHFields - 1));
}

}  // namespace bidai
