#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// Rule and table files are read at every decision; ours are at most some 200 KB. A file far
// larger is refused rather than freezing the table for seconds at every card.
inline constexpr std::uintmax_t kMaxRuleFileBytes = 4u << 20;

// Reads a whole text file in one call; std::nullopt when it cannot be opened or read, or
// holds more than `max_bytes`. A UTF-8 byte-order mark at the start is dropped.
std::optional<std::string> ReadWholeFile(const std::string& path,
                                         std::uintmax_t max_bytes = kMaxRuleFileBytes);
// Why ReadWholeFile gives nothing for `path`, in words for a message ("it is missing", ...).
std::string WhyUnreadable(const std::string& path, std::uintmax_t max_bytes = kMaxRuleFileBytes);

// Splits text into lines; LF and CRLF both end a line, and a last line without a line end
// still counts.
std::vector<std::string> SplitLines(std::string_view text);

// The delimited-field stream that the bid base, the bid rules and the play rules are written
// in: fields are separated by commas and by line ends, blanks around a field are dropped,
// a field in double quotes may hold commas, and blank lines hold no field. The reader works on
// text in memory that its owner keeps alive, and never looks back: each Next() consumes one
// field and gives a view of it in that text, so reading a file allocates nothing.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}
    explicit FieldReader(const char* text) : text_(text) {}
    // The fields would point into a text that is gone by the time they are read.
    explicit FieldReader(std::string&& text) = delete;

    // True while another field can be read.
    bool HasMore() const;
    // The next field; the empty text once the stream has ended.
    std::string_view Next();
    // Reads fields until one equals terminator (consumed) or the stream ends. True when found.
    bool SkipTo(std::string_view terminator);
    // Drops what is left of the line on which the field read last stands.
    void SkipRestOfLine();
    // 1-based line number of the field read last (0 before the first); a quoted field that
    // holds line ends stands on the line where it opened.
    int Line() const { return line_of_last_; }
    // The line of a quote that is never closed (its field runs to the end of the text), once
    // the reading has met it; 0 while none was met.
    int UnclosedQuoteLine() const { return unclosed_quote_line_; }
    // Where reading goes on: the offset in the text just past the field read last.
    std::size_t Position() const { return pos_; }

  private:
    void SkipBlankLinesAndSpaces();
    void PassDelimiter();

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int line_of_last_ = 0;
    int unclosed_quote_line_ = 0;
    bool last_ended_line_ = false;
};

// Blanks around a field: dropped by the field stream.
constexpr bool IsFieldBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

}  // namespace common
