#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

#include "gamelog/LogBlocks.h"
#include "gamelog/LogReader.h"
#include "gamelog/LogText.h"

namespace gamelog {

namespace {

using detail::LineError;
using detail::LineNo;
using detail::Quoted;
using detail::TagValue;
using detail::TrimBlanks;

constexpr int kLowestBid = 6;
constexpr int kHighestBid = 14;

// Reads a game log the way the replay does: tags take the next line as their value (that line
// is not examined further), and "_KOP>" / "OPER>" tags open a list of card lines up to "<END>".
class ReplayReader {
  public:
    ReplayReader(const std::string& path, detail::LogLines lines)
        : path_(path), lines_(std::move(lines)) {}

    std::variant<ReplayLog, LogError> Read() {
        if (!Scan()) {
            return *error_;
        }
        return Finish();
    }

  private:
    bool Scan() {
        std::size_t i = 0;
        while (i < lines_.size()) {
            const std::string_view line = lines_[i];
            if (std::optional<TagValue>* slot = ValueSlot(line)) {
                if (i + 1 >= lines_.size()) {
                    return Fail(LineError(path_, LineNo(i),
                                          "the tag " + std::string(line) + " has no value"));
                }
                *slot = TagValue{std::string(TrimBlanks(lines_[i + 1])), LineNo(i + 1)};
                i += 2;
            } else if (line.ends_with("_KOP>")) {
                if (!ReadList(i, /*fore=*/true)) {
                    return false;
                }
            } else if (line.ends_with("OPER>")) {
                if (!ReadList(i, /*fore=*/false)) {
                    return false;
                }
            } else {
                ++i;
            }
        }
        return true;
    }

    std::optional<TagValue>* ValueSlot(std::string_view line) {
        const std::array<std::pair<std::string_view, std::optional<TagValue>*>, 6> slots = {{
            {kTagBjuditHogst, &bidder_},
            {kTagBud, &bid_},
            {kTagPacke, &dealer_},
            {kTagFarg, &farg_},
            {kTagVi, &vi_},
            {kTagDe, &de_},
        }};
        for (const auto& [tag, slot] : slots) {
            if (line == tag) {
                return slot;
            }
        }
        return nullptr;
    }

    // Reads the list opened at line `i`; leaves `i` after its "<END>".
    bool ReadList(std::size_t& i, bool fore) {
        const std::string tag(lines_[i]);
        int seat = -1;
        for (int s = 0; s < common::kSeats; ++s) {
            if (tag == (fore ? ForeKopTag(s) : BuyTag(s))) {
                seat = s;
            }
        }
        if (seat < 0) {
            return Fail(LineError(path_, LineNo(i), "the tag " + Quoted(tag) + " names no seat"));
        }
        std::vector<std::string>& list = fore ? result_.fore_kop[seat] : result_.koper[seat];
        std::size_t j = i + 1;
        for (; j < lines_.size() && lines_[j] != kTagEnd; ++j) {
            const std::string_view name = TrimBlanks(lines_[j]);
            if (!name.empty() && !AddCard(list, tag, name, LineNo(j))) {
                return false;
            }
        }
        i = j + 1;
        return true;
    }

    bool AddCard(std::vector<std::string>& list, const std::string& tag, std::string_view name,
                 int line) {
        const std::optional<int> code = common::TrumpCardCode(name);
        if (!code || *code == 0) {
            return Fail(LineError(path_, line,
                                  Quoted(name) + " in the list " + tag +
                                      " is no trump card (A, K, Q, J, 10 to 6, V, v, 4, 3, 2)"));
        }
        if (static_cast<int>(list.size()) >= kMaxListLines) {
            return Fail(LineError(path_, line,
                                  "the list " + tag + " holds more than " +
                                      std::to_string(kMaxListLines) + " cards"));
        }
        // Every trump card is one physical card: it can be held or bought only once.
        const auto [first, inserted] = listed_in_.emplace(std::string(name), tag);
        if (!inserted) {
            return Fail(LineError(path_, line,
                                  "the trump card " + Quoted(name) + " in " + tag +
                                      " was already listed in " + first->second));
        }
        list.emplace_back(name);
        return true;
    }

    std::variant<ReplayLog, LogError> Finish() {
        const std::optional<int> bidder = Seat(kTagBjuditHogst, bidder_);
        if (!bidder) {
            return *error_;
        }
        const std::optional<int> bid = Bid();
        if (!bid) {
            return *error_;
        }
        const std::optional<int> dealer = Seat(kTagPacke, dealer_);
        if (!dealer) {
            return *error_;
        }
        const std::optional<int> trump = Trump();
        if (!trump) {
            return *error_;
        }
        LogError error;
        const std::optional<int> vi = detail::ReadTotal(path_, kTagVi, vi_, error);
        const std::optional<int> de = vi ? detail::ReadTotal(path_, kTagDe, de_, error) : vi;
        if (!vi || !de) {
            return error;
        }
        result_.bidder = *bidder;
        result_.bid = *bid;
        result_.dealer = *dealer;
        result_.trump = *trump;
        result_.gbVi = *vi;
        result_.gbDe = *de;
        return result_;
    }

    std::optional<int> Seat(std::string_view tag, const std::optional<TagValue>& value) {
        if (!Present(tag, value)) {
            return std::nullopt;
        }
        const std::optional<int> seat = common::SeatFromName(value->text);
        if (!seat) {
            Fail(LineError(path_, value->line,
                           "the seat " + Quoted(value->text) + " after " + std::string(tag) +
                               " is none of SYD, VAST, NORD, OST"));
        }
        return seat;
    }

    std::optional<int> Bid() {
        if (!Present(kTagBud, bid_)) {
            return std::nullopt;
        }
        const std::optional<int> bid = detail::WholeNumber(bid_->text);
        if (!bid) {
            Fail(LineError(path_, bid_->line,
                           "the bid " + Quoted(bid_->text) + " is not a whole number"));
            return std::nullopt;
        }
        if (*bid < kLowestBid || *bid > kHighestBid) {
            Fail(LineError(path_, bid_->line, "the bid " + bid_->text + " is outside 6 to 14"));
            return std::nullopt;
        }
        return bid;
    }

    std::optional<int> Trump() {
        if (!Present(kTagFarg, farg_)) {
            return std::nullopt;
        }
        const std::optional<int> trump = common::ColourFromWord(farg_->text);
        if (!trump) {
            Fail(LineError(path_, farg_->line,
                           "the colour " + Quoted(farg_->text) +
                               " is none of KLOVER, RUTER, HJARTER, SPADER"));
        }
        return trump;
    }

    bool Present(std::string_view tag, const std::optional<TagValue>& value) {
        if (!value) {
            Fail(detail::FileError(path_, "has no " + std::string(tag) + " tag"));
        }
        return value.has_value();
    }

    bool Fail(LogError error) {
        if (!error_) {
            error_ = std::move(error);
        }
        return false;
    }

    const std::string& path_;
    detail::LogLines lines_;
    std::optional<TagValue> bidder_, bid_, dealer_, farg_, vi_, de_;
    std::map<std::string, std::string> listed_in_;  // card line -> list it was found in
    ReplayLog result_;
    std::optional<LogError> error_;
};

}  // namespace

std::variant<ReplayLog, LogError> ParseReplayLog(std::string_view text, const std::string& path) {
    return detail::ParseLines<ReplayLog, ReplayReader>(text, path);
}

std::variant<ReplayLog, LogError> ReadReplayLog(const std::string& path) {
    return detail::ReadLogFile<ReplayLog>(path, &ParseReplayLog);
}

}  // namespace gamelog
