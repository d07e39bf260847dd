#include <cctype>

#include "gamelog/Archive.h"

namespace gamelog {

namespace {

constexpr std::size_t kMaxAttributeBytes = 64;

bool KeptAscii(unsigned char c) {
    return std::isalnum(c) || c == ' ' || c == '-' || c == '_';
}

// Length of the well-formed UTF-8 sequence at the start of `text`, 0 if it is not one.
std::size_t Utf8Length(std::string_view text, char32_t& code_point) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length) {
        return 0;
    }
    code_point = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        code_point = (code_point << 6) | (next & 0x3F);
    }
    const bool overlong =
        (length == 3 && code_point < 0x800) || (length == 4 && code_point < 0x10000);
    const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
    return overlong || surrogate || code_point > 0x10FFFF ? 0 : length;
}

// Outside ASCII, letters are kept; the invisible and layout characters (C1 controls, the
// no-break and other spaces, bidirectional overrides, line separators, byte-order marks and
// the private and special areas) are not, since they hide what a file is called.
bool KeptBeyondAscii(char32_t c) {
    if (c < 0xC0 || c == 0xD7 || c == 0xF7) {
        return false;
    }
    if ((c >= 0x2000 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x303F)) {
        return false;
    }
    if ((c >= 0xE000 && c <= 0xF8FF) || c >= 0xFFF0 || c == 0xFEFF ||
        (c >= 0xFF00 && c <= 0xFFEF)) {
        return false;
    }
    return c < 0xF0000;
}

}  // namespace

std::string SafeAttribute(std::string_view typed) {
    std::string safe;
    std::size_t i = 0;
    while (i < typed.size()) {
        const auto c = static_cast<unsigned char>(typed[i]);
        if (c < 0x80) {
            if (KeptAscii(c) && safe.size() < kMaxAttributeBytes) {
                safe += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        char32_t code_point = 0;
        const std::size_t length = Utf8Length(typed.substr(i), code_point);
        if (length == 0) {
            ++i;
            continue;
        }
        if (KeptBeyondAscii(code_point) && safe.size() + length <= kMaxAttributeBytes) {
            safe.append(typed.substr(i, length));
        }
        i += length;
    }
    const std::size_t first = safe.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return safe.substr(first, safe.find_last_not_of(' ') - first + 1);
}

}  // namespace gamelog
