#include "common/FieldReader.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace common {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsBlank(s[b])) {
        ++b;
    }
    while (e > b && (IsBlank(s[e - 1]) || s[e - 1] == '\r')) {
        --e;
    }
    return s.substr(b, e - b);
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::uintmax_t max_bytes) {
    // The size fails for a missing file, and for a folder or device under the file's name.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > max_bytes) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // One read of the size the file had when it was looked at.
    std::string text;
    try {
        text.resize(static_cast<std::size_t>(size));
        in.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(in.gcount()));
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (in.bad()) {
        return std::nullopt;
    }
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) {
        text.erase(0, 3);
    }
    return text;
}

std::string WhyUnreadable(const std::string& path, std::uintmax_t max_bytes) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        return "it is missing";
    }
    if (!std::filesystem::is_regular_file(status)) {
        return "it is not a plain file";
    }
    if (std::filesystem::file_size(path, error) > max_bytes && !error) {
        return "it is larger than " + std::to_string(max_bytes >> 20) + " MB";
    }
    return "it cannot be read";
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

void FieldReader::SkipBlankLinesAndSpaces() {
    while (pos_ < text_.size()) {
        const char c = text_[pos_];
        if (IsFieldBlank(c)) {
            ++pos_;
        } else if (c == '\n') {
            ++pos_;
            ++line_;
        } else {
            break;
        }
    }
}

bool FieldReader::HasMore() const {
    for (std::size_t i = pos_; i < text_.size(); ++i) {
        const char c = text_[i];
        if (!IsFieldBlank(c) && c != '\n') {
            return true;
        }
    }
    return false;
}

std::string_view FieldReader::Next() {
    SkipBlankLinesAndSpaces();
    line_of_last_ = line_;
    last_ended_line_ = false;
    if (pos_ >= text_.size()) {
        last_ended_line_ = true;
        return {};
    }
    std::string_view field;
    if (text_[pos_] == '"') {
        const std::size_t close = text_.find('"', pos_ + 1);
        const std::size_t end = close == std::string_view::npos ? text_.size() : close;
        field = text_.substr(pos_ + 1, end - pos_ - 1);
        if (close == std::string_view::npos && unclosed_quote_line_ == 0) {
            unclosed_quote_line_ = line_;
        }
        // A quoted field may hold line ends; the lines after it count from past them.
        line_ += static_cast<int>(std::count(field.begin(), field.end(), '\n'));
        pos_ = close == std::string_view::npos ? text_.size() : close + 1;
        // Whatever stands between the closing quote and the delimiter is dropped.
        while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\n') {
            ++pos_;
        }
    } else {
        std::size_t stop = pos_;
        while (stop < text_.size() && text_[stop] != ',' && text_[stop] != '\n') {
            ++stop;
        }
        field = Trimmed(text_.substr(pos_, stop - pos_));
        pos_ = stop;
    }
    PassDelimiter();
    return field;
}

// Steps over the comma or line end after a field, noting whether the field ended its line.
void FieldReader::PassDelimiter() {
    if (pos_ >= text_.size()) {
        last_ended_line_ = true;
    } else if (text_[pos_] == '\n') {
        last_ended_line_ = true;
        ++pos_;
        ++line_;
    } else {
        ++pos_;  // the comma
        // A comma at the end of a line still ends the line's last field.
        std::size_t i = pos_;
        while (i < text_.size() && IsFieldBlank(text_[i])) {
            ++i;
        }
        if (i >= text_.size() || text_[i] == '\n') {
            last_ended_line_ = true;
            pos_ = i < text_.size() ? i + 1 : i;
            if (i < text_.size()) {
                ++line_;
            }
        }
    }
}

bool FieldReader::SkipTo(std::string_view terminator) {
    while (HasMore()) {
        if (Next() == terminator) {
            return true;
        }
    }
    return false;
}

void FieldReader::SkipRestOfLine() {
    if (last_ended_line_) {
        return;
    }
    const std::size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) {
        pos_ = text_.size();
    } else {
        pos_ = end + 1;
        ++line_;
    }
    last_ended_line_ = true;
}

}  // namespace common
