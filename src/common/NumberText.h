#pragma once

#include <string>
#include <string_view>

namespace common {

// The leading decimal number of a field ("." as decimal point, an optional sign); 0 when the
// field does not begin with a number. "12abc" gives 12, "-3.5" gives -3.5, "x" gives 0.
double LeadingNumber(std::string_view field);
// True when the field begins with a number (after blanks).
bool StartsWithNumber(std::string_view field);

// A number in its shortest plain form: whole values without decimals ("6", "-28"), others
// with as few digits as single precision needs ("3.333333", "0.25").
std::string NumberText(double value);
// The same text, added at the end of `text`.
void AppendNumberText(std::string& text, double value);

// A number with a fixed count of decimals and "." as decimal point, whatever the locale.
std::string FixedText(double value, int decimals);

// Rounds half away from zero, as the rule files' "rounded to the nearest integer" asks.
int RoundToInt(double value);

}  // namespace common
