#include <bitset>
#include <optional>

#include "common/FieldReader.h"
#include "gamelog/LogBlocks.h"
#include "gamelog/LogReader.h"
#include "gamelog/LogText.h"

namespace gamelog {

namespace {

using detail::LineError;
using detail::LineNo;
using detail::Quoted;
using detail::TagValue;

// Reads a game log the way the reload does: the totals before "<PACKE_KOMPLETT>", then 52 deck
// lines whose first field is the card number, then the dealer after "<PACKE>".
class ReloadReader {
  public:
    ReloadReader(const std::string& path, detail::LogLines lines, bool dealer_required = true)
        : path_(path), lines_(std::move(lines)), dealer_required_(dealer_required) {}

    std::variant<ReloadLog, LogError> Read() {
        const std::optional<std::size_t> deck_tag = ScanToDeck();
        if (!deck_tag) {
            return detail::FileError(
                path_, "has no " + std::string(kTagPackeKomplett) + " block with the deck");
        }
        LogError error;
        const std::optional<int> vi = detail::ReadTotal(path_, kTagVi, vi_, error);
        const std::optional<int> de = vi ? detail::ReadTotal(path_, kTagDe, de_, error) : vi;
        if (!vi || !de) {
            return error;
        }
        if (std::optional<LogError> deck_error = ReadDeck(*deck_tag)) {
            return *deck_error;
        }
        const std::size_t after_deck = *deck_tag + 1 + cards::kDeckSize;
        std::variant<int, LogError> dealer = ReadDealer(after_deck);
        if (auto* dealer_error = std::get_if<LogError>(&dealer)) {
            return *dealer_error;
        }
        result_.gbVi = *vi;
        result_.gbDe = *de;
        result_.dealer = std::get<int>(dealer);
        return result_;
    }

  private:
    // Index of the "<PACKE_KOMPLETT>" line; the totals on the way are kept.
    std::optional<std::size_t> ScanToDeck() {
        std::size_t i = 0;
        while (i < lines_.size() && lines_[i] != kTagPackeKomplett) {
            std::optional<TagValue>* slot =
                lines_[i] == kTagVi ? &vi_ : (lines_[i] == kTagDe ? &de_ : nullptr);
            if (slot && i + 1 < lines_.size()) {
                *slot = TagValue{std::string(detail::TrimBlanks(lines_[i + 1])), LineNo(i + 1)};
                i += 2;
            } else {
                ++i;
            }
        }
        return i < lines_.size() ? std::optional<std::size_t>(i) : std::nullopt;
    }

    std::optional<LogError> ReadDeck(std::size_t deck_tag) {
        std::bitset<cards::kDeckSize> seen;
        for (int position = 1; position <= cards::kDeckSize; ++position) {
            const std::size_t index = deck_tag + static_cast<std::size_t>(position);
            if (index >= lines_.size()) {
                return detail::FileError(path_, "lists only " + std::to_string(position - 1) +
                                                    " of the 52 cards of the deck");
            }
            const std::string field(common::FieldReader(lines_[index]).Next());
            const std::optional<int> nr = detail::WholeNumber(field);
            if (!nr || *nr < 0 || *nr >= cards::kDeckSize) {
                return LineError(path_, LineNo(index),
                                 "the card number " + Quoted(field) + " is not one of 0 to 51");
            }
            if (seen.test(static_cast<std::size_t>(*nr))) {
                return LineError(
                    path_, LineNo(index),
                    "the card number " + std::to_string(*nr) + " appears twice in the deck");
            }
            seen.set(static_cast<std::size_t>(*nr));
            result_.order[static_cast<std::size_t>(position)] = std::to_string(*nr);
        }
        return std::nullopt;
    }

    std::variant<int, LogError> ReadDealer(std::size_t from) {
        for (std::size_t i = from; i < lines_.size(); ++i) {
            if (lines_[i] != kTagPacke) {
                continue;
            }
            if (i + 1 >= lines_.size()) {
                return LineError(path_, LineNo(i), "the tag <PACKE> has no value");
            }
            const std::string name(common::FieldReader(lines_[i + 1]).Next());
            if (const std::optional<int> seat = common::SeatFromName(name)) {
                return *seat;
            }
            return LineError(path_, LineNo(i + 1),
                             "the dealer " + Quoted(name) + " is none of SYD, VAST, NORD, OST");
        }
        if (!dealer_required_) {
            return -1;
        }
        return detail::FileError(path_, "has no <PACKE> tag with the dealer after the deck");
    }

    const std::string& path_;
    detail::LogLines lines_;
    std::optional<TagValue> vi_, de_;
    ReloadLog result_;
    bool dealer_required_;
};

// The log of a round still being played: the dealer is logged only after the auction.
class RoundDealReader : public ReloadReader {
  public:
    RoundDealReader(const std::string& path, detail::LogLines lines)
        : ReloadReader(path, std::move(lines), false) {}
};

}  // namespace

std::variant<ReloadLog, LogError> ParseReloadLog(std::string_view text, const std::string& path) {
    return detail::ParseLines<ReloadLog, ReloadReader>(text, path);
}

std::variant<ReloadLog, LogError> ReadReloadLog(const std::string& path) {
    return detail::ReadLogFile<ReloadLog>(path, &ParseReloadLog);
}

std::variant<ReloadLog, LogError> ParseRoundDeal(std::string_view text, const std::string& path) {
    return detail::ParseLines<ReloadLog, RoundDealReader>(text, path);
}

std::variant<ReloadLog, LogError> ReadRoundDeal(const std::string& path) {
    return detail::ReadLogFile<ReloadLog>(path, &ParseRoundDeal);
}

}  // namespace gamelog
