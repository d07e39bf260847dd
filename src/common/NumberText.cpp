#include "common/NumberText.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace common {

namespace {

// Length of the leading number in s (0 when none): [sign] digits [. digits].
std::size_t NumberPrefix(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    const std::size_t digits_from = i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        ++i;
    }
    bool any = i > digits_from;
    if (i < s.size() && s[i] == '.') {
        std::size_t j = i + 1;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            ++j;
        }
        if (j > i + 1) {
            any = true;
            i = j;
        } else if (any) {
            i = j;
        }
    }
    return any ? i : 0;
}

std::string_view SkipBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    return s;
}

}  // namespace

double LeadingNumber(std::string_view field) {
    field = SkipBlanks(field);
    const std::size_t n = NumberPrefix(field);
    if (n == 0) {
        return 0.0;
    }
    std::string_view number = field.substr(0, n);
    if (number.front() == '+') {
        number.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc()) {
        return 0.0;
    }
    return value;
}

bool StartsWithNumber(std::string_view field) {
    return NumberPrefix(SkipBlanks(field)) > 0;
}

void AppendNumberText(std::string& text, double value) {
    // to_chars with a precision writes exactly what printf's %.0f and %.7g write.
    std::array<char, 32> buffer{};
    std::to_chars_result result{};
    if (value == 0) {
        result.ptr = buffer.data();
        *result.ptr++ = '0';  // also for minus zero
    } else if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
        // A whole number below 1e15 is exact as an integer, and an integer's digits are
        // much cheaper to write than a double's.
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                               static_cast<long long>(value));
    } else {
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                               std::chars_format::general, 7);
    }
    text.append(buffer.data(), result.ptr);
}

std::string FixedText(double value, int decimals) {
    std::array<char, 64> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value,
                                            std::chars_format::fixed, decimals);
    return error == std::errc() ? std::string(text.data(), end) : std::string("0");
}

std::string NumberText(double value) {
    std::string text;
    AppendNumberText(text, value);
    return text;
}

int RoundToInt(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    const double r = std::round(value);
    if (r > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (r < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(r);
}

}  // namespace common
