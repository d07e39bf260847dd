#include "RuleMutator.h"

#include <filesystem>
#include <fstream>
#include <string_view>
#include <utility>

#include "common/FieldReader.h"

namespace sim {

namespace {

constexpr std::array<const char*, 3> kFiles = {"FivraBidBase.txt", "FivraBidRulesAI.txt",
                                               "FivraPlayRulesAI.TXT"};
constexpr std::array<std::string_view, 16> kWords = {
    "RULE", "EXECUTES", "END", "Play",   "BID", "EA",   "PASS", "STOP",
    ",",    "\n",       "<1>", "KLARTX", "IF",  "THEN", "9999", "RULE_CONDITIONAL"};

}  // namespace

RuleMutator::RuleMutator(std::string folder, std::uint64_t seed)
    : folder_(std::move(folder)), random_(seed) {
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
        originals_[i] = common::ReadWholeFile(folder_ + kFiles[i]).value_or(std::string());
    }
}

void RuleMutator::Step() {
    // About one step in eight; the 200 KB bid base less often than the small rule files.
    if (random_.Draw(8) != 1) {
        return;
    }
    const int pick = random_.Draw(10);
    const std::size_t file = pick == 1 ? 0 : (pick <= 5 ? 1 : 2);
    const std::string path = folder_ + kFiles[file];
    switch (random_.Draw(10)) {
        case 1:
            std::filesystem::remove(path);
            return;
        case 2:
        case 3:
            std::ofstream(path, std::ios::binary | std::ios::trunc) << originals_[file];
            return;
        default:
            std::ofstream(path, std::ios::binary | std::ios::trunc) << Mutated(originals_[file]);
    }
}

std::string RuleMutator::Mutated(std::string text) {
    const int edits = random_.Draw(6);
    for (int e = 0; e < edits; ++e) {
        const std::size_t at =
            text.empty()
                ? 0
                : static_cast<std::size_t>(random_.Draw(static_cast<int>(text.size())) - 1);
        switch (random_.Draw(6)) {
            case 1:
                text.erase(at, static_cast<std::size_t>(random_.Draw(64)));
                break;
            case 2:
                text.insert(at, kWords[static_cast<std::size_t>(random_.Draw(kWords.size()) - 1)]);
                break;
            case 3:
                if (!text.empty()) {
                    text[at] = static_cast<char>(random_.Draw(256) - 1);
                }
                break;
            case 4:
                text.insert(at, text.substr(at, static_cast<std::size_t>(random_.Draw(200))));
                break;
            case 5:
                if (!text.empty()) {
                    text[at] = static_cast<char>('0' + random_.Draw(10) - 1);
                }
                break;
            default:
                text.resize(at);
                break;
        }
    }
    return text;
}

}  // namespace sim
