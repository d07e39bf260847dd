#include "gui/settings/Preferences.h"

#include <array>
#include <optional>
#include <string_view>

namespace gui {

namespace {

constexpr const char* kScope = "user";
constexpr const char* kSection = "Preferences";

constexpr std::array<std::string_view, kGameSpeeds> kSpeedWords = {"slow", "normal", "fast",
                                                                   "veryfast"};
constexpr std::array<std::string_view, kCardBacks> kBackWords = {"lattice", "diamonds", "rings"};
constexpr std::array<std::string_view, 2> kLanguageWords = {"SVENSKA", "ENGLISH"};
constexpr std::array<std::string_view, 2> kFlagWords = {"0", "1"};
constexpr std::array<std::string_view, kLevels> kLevelWords = {"beginner", "normal", "expert"};
constexpr std::array<std::string_view, 2> kHintWords = {"rules", "expert"};

template <std::size_t N>
std::optional<int> IndexOf(const std::array<std::string_view, N>& words, const std::string& text) {
    for (std::size_t i = 0; i < N; ++i) {
        if (words[i] == text) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

// Reads one choice: its stored word's index, or `fallback` when none is stored or the stored
// word is not one of `words` (named in `problems`).
template <std::size_t N>
int ReadChoice(common::SettingsStore& settings, const char* key,
               const std::array<std::string_view, N>& words, int fallback,
               std::vector<std::string>& problems) {
    const std::string stored = settings.RegReadSetting(kScope, kSection, key, "");
    if (stored.empty()) {
        return fallback;
    }
    if (const auto index = IndexOf(words, stored)) {
        return *index;
    }
    std::string allowed;
    for (const std::string_view word : words) {
        allowed += (allowed.empty() ? "" : ", ") + std::string(word);
    }
    problems.push_back(std::string("The setting ") + kSection + "/" + key + " holds \"" + stored +
                       "\", which is none of " + allowed + "; the default applies.");
    return fallback;
}

template <std::size_t N>
void WriteChoice(common::SettingsStore& settings, const char* key,
                 const std::array<std::string_view, N>& words, int index) {
    settings.RegWriteSetting(kScope, kSection, key,
                             std::string(words.at(static_cast<std::size_t>(index))));
}

int LanguageIndex(presentation::Language language) {
    return language == presentation::Language::English ? 1 : 0;
}

}  // namespace

double TimerFactor(GameSpeed speed) {
    switch (speed) {
        case GameSpeed::Slow:
            return 1.5;
        case GameSpeed::Fast:
            return 0.6;
        case GameSpeed::VeryFast:
            return 0.35;
        case GameSpeed::Normal:
            break;
    }
    return 1.0;
}

LoadedPreferences LoadPreferences(common::SettingsStore& settings) {
    LoadedPreferences loaded;
    Preferences& p = loaded.preferences;
    auto& problems = loaded.problems;
    p.speed = static_cast<GameSpeed>(
        ReadChoice(settings, "Speed", kSpeedWords, static_cast<int>(p.speed), problems));
    p.language =
        ReadChoice(settings, "Language", kLanguageWords, LanguageIndex(p.language), problems) == 1
            ? presentation::Language::English
            : presentation::Language::Svenska;
    p.deck.four_colours =
        ReadChoice(settings, "FourColourDeck", kFlagWords, p.deck.four_colours, problems) == 1;
    p.deck.back = static_cast<CardBack>(
        ReadChoice(settings, "CardBack", kBackWords, static_cast<int>(p.deck.back), problems));
    p.hints_at_start =
        ReadChoice(settings, "HintsAtStart", kFlagWords, p.hints_at_start, problems) == 1;
    p.opponents = static_cast<Level>(
        ReadChoice(settings, "Opponents", kLevelWords, static_cast<int>(p.opponents), problems));
    p.partner = static_cast<Level>(
        ReadChoice(settings, "Partner", kLevelWords, static_cast<int>(p.partner), problems));
    p.hints_from = static_cast<HintSource>(
        ReadChoice(settings, "HintsFrom", kHintWords, static_cast<int>(p.hints_from), problems));
    return loaded;
}

void SavePreferences(common::SettingsStore& settings, const Preferences& preferences) {
    WriteChoice(settings, "Speed", kSpeedWords, static_cast<int>(preferences.speed));
    WriteChoice(settings, "Language", kLanguageWords, LanguageIndex(preferences.language));
    WriteChoice(settings, "FourColourDeck", kFlagWords, preferences.deck.four_colours ? 1 : 0);
    WriteChoice(settings, "CardBack", kBackWords, static_cast<int>(preferences.deck.back));
    WriteChoice(settings, "HintsAtStart", kFlagWords, preferences.hints_at_start ? 1 : 0);
    WriteChoice(settings, "Opponents", kLevelWords, static_cast<int>(preferences.opponents));
    WriteChoice(settings, "Partner", kLevelWords, static_cast<int>(preferences.partner));
    WriteChoice(settings, "HintsFrom", kHintWords, static_cast<int>(preferences.hints_from));
}

}  // namespace gui
