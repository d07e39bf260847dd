#include "playai/Suggestion.h"

#include <algorithm>
#include <vector>

#include "common/FieldReader.h"

namespace playai {

std::string GetSuggestionText(const std::string& file, const std::string& section,
                              const std::string& code, const std::string& language) {
    const auto text = common::ReadWholeFile(file);
    if (!text) {
        return kNoSuggestion;
    }
    const std::vector<std::string> lines = common::SplitLines(*text);
    auto at = lines.begin();
    for (const std::string& wanted : {section, "CODE," + code, language}) {
        at = std::find(at, lines.end(), wanted);
        if (at == lines.end()) {
            return kNoSuggestion;
        }
        ++at;
    }
    return at == lines.end() ? std::string(kNoSuggestion) : *at;
}

}  // namespace playai
