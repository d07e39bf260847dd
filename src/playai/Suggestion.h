#pragma once

#include <string>

namespace playai {

inline constexpr const char* kSuggestionFile = "Suggestion.txt";
inline constexpr const char* kNoSuggestion = "!?!";

// The hint line for a suggestion code: under the section line, after the line "CODE," and
// the code, the line that follows the language line. "!?!" when the file, the section, the
// code or the language line is missing.
std::string GetSuggestionText(const std::string& file, const std::string& section,
                              const std::string& code, const std::string& language);

}  // namespace playai
