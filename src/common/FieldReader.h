#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// Reads a whole text file in one call; std::nullopt when it cannot be opened or read.
// A UTF-8 byte-order mark at the start is dropped.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Splits text into lines; LF and CRLF both end a line, and a last line without a line end
// still counts.
std::vector<std::string> SplitLines(std::string_view text);

// The delimited-field stream that the bid base, the bid rules and the play rules are written
// in: fields are separated by commas and by line ends, blanks around a field are dropped,
// a field in double quotes may hold commas, and blank lines hold no field. The reader works on
// text in memory and never looks back: each Next() consumes one field.
class FieldReader {
  public:
    explicit FieldReader(std::string text);

    // True while another field can be read.
    bool HasMore() const;
    // The next field; the empty text once the stream has ended.
    std::string Next();
    // Reads fields until one equals terminator (consumed) or the stream ends. True when found.
    bool SkipTo(std::string_view terminator);
    // Drops what is left of the line on which the field read last stands.
    void SkipRestOfLine();
    // 1-based line number of the field read last (0 before the first).
    int Line() const { return line_of_last_; }

  private:
    void SkipBlankLinesAndSpaces();

    std::string text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int line_of_last_ = 0;
    bool last_ended_line_ = false;
};

}  // namespace common
