#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "gamelog/LogReader.h"

// Helpers shared by the two log readers.
namespace gamelog::detail {

// A round's log with every rule trace is some 35 KB; a file a hundred times that size is no
// game log, and refusing it early keeps its reading from taking the memory of the game.
inline constexpr std::uintmax_t kMaxLogBytes = 4u << 20;

// The file's text, or an error when it is missing, unreadable, no plain file or far larger
// than a round's log.
std::variant<std::string, LogError> LoadLogText(const std::string& path);

// The lines of a log's text (LF or CRLF ends a line) as views into the text: a line costs
// four bytes of index and no copy, so even a file of nothing but line ends is read in a few
// times its size.
class LogLines {
  public:
    explicit LogLines(std::string_view text);
    std::size_t size() const { return starts_.size(); }
    // Line i without its line end.
    std::string_view operator[](std::size_t i) const;

  private:
    std::string_view text_;
    std::vector<std::uint32_t> starts_;
};

// A problem of the file as a whole, or of one line (1-based).
LogError FileError(const std::string& path, const std::string& problem);
LogError LineError(const std::string& path, int line, const std::string& problem);

// Runs a reader over the lines of a log's text.
template <class Log, class Reader>
std::variant<Log, LogError> ParseLines(std::string_view text, const std::string& path) {
    if (text.empty()) {
        return FileError(path, "is empty");
    }
    if (text.size() > kMaxLogBytes) {
        return FileError(path, "is too large to be a game log");
    }
    return Reader(path, LogLines(text)).Read();
}

// Loads a log file and parses it with `parse`.
template <class Log>
std::variant<Log, LogError> ReadLogFile(const std::string& path,
                                        std::variant<Log, LogError> (*parse)(std::string_view,
                                                                             const std::string&)) {
    const auto text = LoadLogText(path);
    if (const auto* error = std::get_if<LogError>(&text)) {
        return *error;
    }
    return parse(std::get<std::string>(text), path);
}

// The 1-based line number of a line index.
inline int LineNo(std::size_t index) {
    return static_cast<int>(index) + 1;
}

std::string_view TrimBlanks(std::string_view text);
// A line of the file quoted for a message: at most 40 characters, control characters shown
// as '?', so that a corrupted file cannot garble the message box.
std::string Quoted(std::string_view text);
// A whole number with an optional sign and nothing else around it but blanks.
std::optional<int> WholeNumber(std::string_view text);

// The value line that follows a tag, with its line number for messages.
struct TagValue {
    std::string text;
    int line = 0;
};

// Reads a game total; nullopt with `error` set when it is no number or out of range.
std::optional<int> ReadTotal(const std::string& path, std::string_view tag,
                             const std::optional<TagValue>& value, LogError& error);

}  // namespace gamelog::detail
