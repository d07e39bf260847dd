#include "persistence/ResumeRecord.h"

#include <charconv>
#include <cstdint>
#include <sstream>

namespace persistence {

namespace {

constexpr std::string_view kMagic = "fivra-resume-1";
// A total below this or above 61 is no total of a game still running.
constexpr int kLowestTotal = -2000;
constexpr int kGameOver = 61;

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        if (end > start) {
            parts.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

bool IsTotal(int total) {
    return total >= kLowestTotal && total <= kGameOver;
}

bool IsSeat(int seat) {
    return seat >= 0 && seat <= 3;
}

// "vi/de/result/bidder" of one scoreboard row.
std::optional<presentation::RoundResult> ParseRound(std::string_view text) {
    const auto parts = Split(text, '/');
    if (parts.size() != 4) {
        return std::nullopt;
    }
    const auto vi = Number(parts[0]);
    const auto de = Number(parts[1]);
    const auto result = Number(parts[2]);
    const auto bidder = Number(parts[3]);
    const int bid = result ? (*result < 0 ? -*result : *result) : 0;
    if (!vi || !de || !IsTotal(*vi) || !IsTotal(*de) || bid < 6 || bid > 14 || !bidder ||
        !IsSeat(*bidder)) {
        return std::nullopt;
    }
    presentation::RoundResult round;
    round.vi_total = *vi;
    round.de_total = *de;
    round.bid_result = *result;
    round.bidder = *bidder;
    return round;
}

// "seed/draws", the seed in hexadecimal.
bool ReadRandom(std::string_view text, ResumeRecord& record) {
    const auto parts = Split(text, '/');
    common::RandomPosition position;
    if (parts.size() != 2) {
        return false;
    }
    const auto seed =
        std::from_chars(parts[0].data(), parts[0].data() + parts[0].size(), position.seed, 16);
    const auto draws =
        std::from_chars(parts[1].data(), parts[1].data() + parts[1].size(), position.draws);
    if (seed.ec != std::errc() || seed.ptr != parts[0].data() + parts[0].size() ||
        draws.ec != std::errc() || draws.ptr != parts[1].data() + parts[1].size()) {
        return false;
    }
    record.random = position;
    return true;
}

// Card numbers joined by '.'; a round has at most nine of them.
bool ReadPlayed(std::string_view text, ResumeRecord& record) {
    for (const std::string_view part : Split(text, '.')) {
        const auto number = Number(part);
        if (!number || *number < 0 || *number > 51 || record.played.size() >= 9) {
            return false;
        }
        record.played.push_back(*number);
    }
    return true;
}

// One "key:value" word of the record into its field; false when it cannot be used.
bool ReadWord(std::string_view word, ResumeRecord& record, int& seen) {
    const std::size_t colon = word.find(':');
    if (colon == std::string_view::npos) {
        return false;
    }
    const std::string_view key = word.substr(0, colon);
    const std::string_view value = word.substr(colon + 1);
    if (key == "round") {
        const auto round = ParseRound(value);
        record.rounds.push_back(round.value_or(presentation::RoundResult{}));
        return round.has_value() && record.rounds.size() <= presentation::kScoreboardRows;
    }
    if (key == "random") {
        return ReadRandom(value, record);
    }
    if (key == "played") {
        return ReadPlayed(value, record);
    }
    if (key == "deal") {
        record.deal = std::string(value);
        return value.size() == 16 && value.find_first_not_of("0123456789abcdef") == value.npos;
    }
    const auto number = Number(value);
    if (!number) {
        return false;
    }
    if (key == "vi" || key == "de") {
        (key == "vi" ? record.vi : record.de) = *number;
        seen |= key == "vi" ? 1 : 2;
        return IsTotal(*number);
    }
    if (key == "dealer") {
        record.dealer = *number;
        seen |= 4;
        return IsSeat(*number);
    }
    if (key == "hints") {
        record.hints = *number == 1;
        seen |= 8;
        return *number == 0 || *number == 1;
    }
    return false;
}

}  // namespace

std::string FormatResumeRecord(const ResumeRecord& record) {
    std::ostringstream text;
    text << kMagic << " vi:" << record.vi << " de:" << record.de << " dealer:" << record.dealer
         << " hints:" << (record.hints ? 1 : 0);
    for (const presentation::RoundResult& round : record.rounds) {
        text << " round:" << round.vi_total << '/' << round.de_total << '/' << round.bid_result
             << '/' << round.bidder;
    }
    if (!record.deal.empty()) {
        text << " deal:" << record.deal;
    }
    if (record.random) {
        text << " random:" << std::hex << record.random->seed << std::dec << '/'
             << record.random->draws;
    }
    for (std::size_t i = 0; i < record.played.size(); ++i) {
        text << (i == 0 ? " played:" : ".") << record.played[i];
    }
    return text.str();
}

std::variant<ResumeRecord, std::string> ParseResumeRecord(std::string_view text) {
    const auto words = Split(text, ' ');
    if (words.empty() || words.front() != kMagic) {
        return std::string("it is no saved game of this program");
    }
    ResumeRecord record;
    int seen = 0;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (!ReadWord(words[i], record, seen)) {
            return "the entry \"" + std::string(words[i].substr(0, 40)) + "\" cannot be used";
        }
    }
    if (seen != 15) {
        return std::string("totals, dealer or hint switch are missing");
    }
    // The board's last row holds the totals the game goes on from.
    if (!record.rounds.empty() && (record.rounds.back().vi_total != record.vi ||
                                   record.rounds.back().de_total != record.de)) {
        return std::string("the totals do not match the scoreboard");
    }
    return record;
}

std::string DeckFingerprint(const std::array<std::string, 53>& order) {
    // FNV-1a over the card keys, each ended by a comma.
    std::uint64_t hash = 14695981039346656037ULL;
    for (std::size_t i = 1; i < order.size(); ++i) {
        for (const char c : order[i] + ",") {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
        }
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4) {
        text[static_cast<std::size_t>(i)] = kHex[hash & 0xF];
    }
    return text;
}

StoredResume LoadResumeRecord(common::SettingsStore& store) {
    const std::string text = store.RegReadSetting(kResumeScope, kResumeSection, kResumeKey, "");
    // A cleared record is stored as a single blank.
    if (text.find_first_not_of(' ') == std::string::npos) {
        return {};
    }
    auto parsed = ParseResumeRecord(text);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        return StoredResume{std::nullopt, *problem};
    }
    return StoredResume{std::get<ResumeRecord>(std::move(parsed)), {}};
}

void SaveResumeRecord(common::SettingsStore& store, const ResumeRecord& record) {
    store.RegWriteSetting(kResumeScope, kResumeSection, kResumeKey, FormatResumeRecord(record));
}

void ClearResumeRecord(common::SettingsStore& store) {
    store.RegWriteSetting(kResumeScope, kResumeSection, kResumeKey, "");
}

}  // namespace persistence
