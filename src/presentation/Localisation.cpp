#include "presentation/Localisation.h"

#include <array>

#include "common/Names.h"

namespace presentation {

namespace {

std::string Join(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string text(a);
    text += b;
    text += c;
    return text;
}

}  // namespace

Language BuildLanguage() {
#if FIVRA_LANGUAGE_ENGLISH
    return Language::English;
#else
    return Language::Svenska;
#endif
}

namespace {

Language& ProgramLanguageSetting() {
    static Language language = BuildLanguage();
    return language;
}

}  // namespace

Language ProgramLanguage() {
    return ProgramLanguageSetting();
}

void SetProgramLanguage(Language language) {
    ProgramLanguageSetting() = language;
}

std::string AboutTitle(Language language) {
    return language == Language::Svenska ? "Om Fivrastar" : "About Fivrastar";
}

std::string AboutInformation(Language language) {
    const std::string cr(1, kLineBreak);
    if (language == Language::Svenska) {
        return "Understöd din egen sakanskola med en liten donation. "
               "Så många stackare har redan sakat ihjäl sig." +
               cr + cr + Join("Förbättringsförslag till ", kSupportAddress);
    }
    return "Contact:" + cr + std::string(kSupportAddress) + cr + "for support";
}

std::string AboutRights(Language language) {
    // The game is free software; the notice names its licence.
    return language == Language::Svenska
               ? "Fivrastar 2.5 - Fri programvara under MIT-licensen (se filen LICENSE)."
               : "Fivrastar 2.5 - Free software under the MIT licence (see the file LICENSE).";
}

std::string ResetStatisticsCaption(Language language) {
    return language == Language::Svenska ? "Nolla statistiken" : "Reset Statistics";
}

Texts LoadTexts(Language language) {
    Texts t;
    if (language == Language::Svenska) {
        t.quit_question = "Vill Du faktiskt sluta?";
        t.too_many_cards = "har mera än 6 kort";
        t.too_many_cards_you = t.too_many_cards;
        t.not_in_play = "KORT INTE I SPEL";
        t.confirmation = "Är du saker?";
        t.click_to_proceed = "Klick för att gå vidare...";
        t.replay = "Omspel ...";
        t.disabled = "inte aktiv";
        t.news_line = Join("Kolla ", kWebAddress, " för nyheter och uppdateringar.");
        t.team_vi = "Vi";
        t.team_de = "De";
    } else {
        t.quit_question = "Do you really want to quit?";
        t.too_many_cards = "has more than 6 cards";
        t.too_many_cards_you = "have more than 6 cards";
        t.not_in_play = "CARDS NOT IN PLAY";
        t.confirmation = "Are you sure?";
        t.click_to_proceed = "Click to proceed...";
        t.replay = "Replay ...";
        t.disabled = "Disabled";
        t.news_line = Join("Like this game? Check ", kWebAddress, " for updates and news.");
        t.team_vi = "We";
        t.team_de = "They";
    }
    t.about_title = AboutTitle(language);
    t.about_information = AboutInformation(language);
    t.reset_caption = ResetStatisticsCaption(language);
    t.about_rights = AboutRights(language);
    return t;
}

std::string TooManyCardsLine(const Texts& texts, int seat, const std::string& name) {
    return name + " " + (seat == common::kSyd ? texts.too_many_cards_you : texts.too_many_cards);
}

std::string SeatDisplayName(int seat, Language language) {
    static constexpr std::array<std::string_view, 4> kSwedish{"Du", "Vera", "Nils", "Olle"};
    static constexpr std::array<std::string_view, 4> kEnglish{"You", "Wendy", "Ned", "Eddie"};
    if (seat < 0 || seat >= static_cast<int>(kSwedish.size())) {
        return {};
    }
    const auto& names = language == Language::Svenska ? kSwedish : kEnglish;
    return std::string(names[static_cast<std::size_t>(seat)]);
}

}  // namespace presentation
