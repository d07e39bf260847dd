#include "gamelog/LogText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <system_error>

#include "common/FieldReader.h"

namespace gamelog::detail {

std::variant<std::string, LogError> LoadLogText(const std::string& path) {
    if (path.empty()) {
        return LogError{"No game log was chosen."};
    }
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        return FileError(path, "cannot be opened or read");
    }
    // A folder or a device is refused before reading: a device may never end.
    if (!std::filesystem::is_regular_file(status)) {
        return FileError(path, "is not a plain file");
    }
    if (std::filesystem::file_size(path, ec) > kMaxLogBytes) {
        return FileError(path, "is too large to be a game log");
    }
    std::optional<std::string> text;
    try {
        text = common::ReadWholeFile(path, kMaxLogBytes);
    } catch (const std::exception&) {
        // A read error deep in the stream (a device, a failing disk) surfaces as an exception.
        text.reset();
    }
    if (!text) {
        return FileError(path, "cannot be opened or read");
    }
    return *std::move(text);
}

LogLines::LogLines(std::string_view text) : text_(text) {
    for (std::size_t start = 0; start < text.size();) {
        starts_.push_back(static_cast<std::uint32_t>(start));
        const std::size_t end = text.find('\n', start);
        start = end == std::string_view::npos ? text.size() : end + 1;
    }
}

std::string_view LogLines::operator[](std::size_t i) const {
    const std::size_t start = starts_[i];
    const std::size_t next = i + 1 < starts_.size() ? starts_[i + 1] : text_.size();
    std::string_view line = text_.substr(start, next - start);
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

LogError FileError(const std::string& path, const std::string& problem) {
    return LogError{"The game log \"" + path + "\" " + problem + "."};
}

LogError LineError(const std::string& path, int line, const std::string& problem) {
    return LogError{"The game log \"" + path + "\", line " + std::to_string(line) + ": " + problem +
                    "."};
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::size_t cut = std::min(text.size(), kShown);
    // Never cut inside a UTF-8 sequence.
    while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    std::string shown;
    for (const char c : text.substr(0, cut)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte == 0x7f ? '?' : c;
    }
    if (cut < text.size()) {
        shown += "...";
    }
    return "\"" + shown + "\"";
}

std::optional<int> WholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> ReadTotal(const std::string& path, std::string_view tag,
                             const std::optional<TagValue>& value, LogError& error) {
    if (!value) {
        error = FileError(path, "has no " + std::string(tag) + " tag with the game total");
        return std::nullopt;
    }
    const std::optional<int> total = WholeNumber(value->text);
    if (!total) {
        error = LineError(path, value->line,
                          "the game total " + Quoted(value->text) + " after " + std::string(tag) +
                              " is not a whole number");
        return std::nullopt;
    }
    if (*total < -kMaxTotal || *total > kMaxTotal) {
        error = LineError(path, value->line,
                          "the game total " + Quoted(value->text) + " after " + std::string(tag) +
                              " is out of range");
        return std::nullopt;
    }
    return total;
}

}  // namespace gamelog::detail
