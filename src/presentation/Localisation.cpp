#include "presentation/Localisation.h"

#include <array>

#include "common/Names.h"

#ifndef FIVRA_WEB_ADDRESS
#define FIVRA_WEB_ADDRESS ""
#endif
#ifndef FIVRA_SUPPORT_ADDRESS
#define FIVRA_SUPPORT_ADDRESS ""
#endif

namespace presentation {

namespace {

std::string Join(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string text(a);
    text += b;
    text += c;
    return text;
}

bool Swedish(Language language) {
    return language == Language::Svenska;
}

// The texts a new player meets at the table, both languages side by side.
void LoadTableHelp(Texts& t, Language language) {
    const bool sv = Swedish(language);
    t.only_trump = sv ? "Bara trumf kan spelas" : "Only trump cards can be played";
    t.help_title = sv ? "Fivra: regler" : "Fivra: rules";
    t.help_missing =
        sv ? "Reglerna saknas i programmet." : "The rules are missing from the program.";
    t.resume_question =
        sv ? "Ett spel avbröts när programmet stängdes. Vill du fortsätta det där det slutade?\n"
             "Avbryt sparar det till nästa start."
           : "A game was interrupted when the program closed. Do you want to continue it where "
             "it stopped?\nCancel keeps it for the next start.";
    t.resume_discard = sv ? "Det sparade spelet går förlorat. Börja ett nytt spel ändå?"
                          : "The saved game will be lost. Start a new game anyway?";
    t.resume_diverged =
        sv ? "Omgången kunde inte återskapas helt ur {file}; den fortsätter därifrån där den "
             "skiljer sig."
           : "The round could not be brought back wholly from {file}; it goes on from where "
             "it differs.";
    t.resume_new_deal =
        sv ? "Omgångens giv kunde inte läsas ur {file}; spelet fortsätter med en ny giv."
           : "The round's deal could not be read from {file}; the game goes on with a new deal.";
    t.resume_damaged = sv ? "Det sparade spelet i {file} är skadat; ett nytt spel börjar."
                          : "The saved game in {file} is damaged; a new game begins.";
    t.forced_bid = sv ? "Alla passade: {seat} (giv) måste bjuda 6."
                      : "Everybody passed: {seat} (dealer) must bid 6.";
    t.auction_won =
        sv ? "{seat} vann budgivningen med {bid}." : "{seat} won the auction with {bid}.";
    t.auction_won_trump = sv ? "{seat} vann budgivningen med {bid}, trumf {colour}."
                             : "{seat} won the auction with {bid}, trump {colour}.";
    t.dealer_fills = sv ? "{seat} (giv) fyller upp till sex kort med {count} ur sina kastade."
                        : "{seat} (dealer) makes up six cards with {count} from the discards.";
    t.lays_down = sv ? "{seat}: slut på trumf, handen läggs ner."
                     : "{seat}: out of trumps, the hand is laid down.";
    t.round_made = sv ? "{team} klarade budet {bid}: {points} poäng, {margin} över."
                      : "{team} made the bid of {bid}: {points} points, {margin} over.";
    t.round_made_exactly = sv ? "{team} klarade budet {bid} precis: {points} poäng."
                              : "{team} made the bid of {bid} exactly: {points} points.";
    t.round_lost = sv ? "{team} gick bet på {bid}: {points} poäng, {margin} för lite."
                      : "{team} went down in {bid}: {points} points, {margin} short.";
    t.game_won = sv ? "{team} vann spelet! Slutställning {vi} : {de}."
                    : "{team} won the game! Final score {vi} : {de}.";
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

Addresses BuildAddresses() {
    return Addresses{FIVRA_WEB_ADDRESS, FIVRA_SUPPORT_ADDRESS};
}

std::string WindowTitle(const Addresses& addresses) {
    if (addresses.web.empty()) {
        return std::string(kProductLabel);
    }
    return Join(kProductLabel, " --- ", addresses.web);
}

std::string AboutTitle(Language language) {
    return Swedish(language) ? "Om Fivrastar" : "About Fivrastar";
}

std::string AboutInformation(Language language, const Addresses& addresses) {
    const std::string cr(1, kLineBreak);
    const std::string& support = addresses.support;
    if (Swedish(language)) {
        std::string text =
            "Understöd din egen sakanskola med en liten donation. "
            "Så många stackare har redan sakat ihjäl sig.";
        return support.empty() ? text : text + cr + cr + Join("Förbättringsförslag till ", support);
    }
    return support.empty() ? std::string() : "Contact:" + cr + support + cr + "for support";
}

std::string AboutRights(Language language) {
    // The game is free software; the notice names its licence.
    return Swedish(language)
               ? "Fivrastar 2.5 - Fri programvara under MIT-licensen (se filen LICENSE)."
               : "Fivrastar 2.5 - Free software under the MIT licence (see the file LICENSE).";
}

std::string ResetStatisticsCaption(Language language) {
    return Swedish(language) ? "Nolla statistiken" : "Reset Statistics";
}

Texts LoadTexts(Language language, const Addresses& addresses) {
    Texts t;
    const std::string& web = addresses.web;
    if (Swedish(language)) {
        t.quit_question = "Vill Du faktiskt sluta?";
        t.too_many_cards = "har mera än 6 kort";
        t.too_many_cards_you = t.too_many_cards;
        t.not_in_play = "KORT INTE I SPEL";
        t.confirmation = "Är du saker?";
        t.click_to_proceed = "Klick för att gå vidare...";
        t.replay = "Omspel ...";
        t.disabled = "inte aktiv";
        t.news_line = web.empty() ? "Tack för spelet! Håll utkik efter nyheter och uppdateringar."
                                  : Join("Kolla ", web, " för nyheter och uppdateringar.");
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
        t.news_line = web.empty() ? "Like this game? Look out for updates and news."
                                  : Join("Like this game? Check ", web, " for updates and news.");
        t.team_vi = "We";
        t.team_de = "They";
    }
    t.about_title = AboutTitle(language);
    t.about_information = AboutInformation(language, addresses);
    t.reset_caption = ResetStatisticsCaption(language);
    t.about_rights = AboutRights(language);
    LoadTableHelp(t, language);
    t.score_caption = t.team_vi + " : " + t.team_de;
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
    const auto& names = Swedish(language) ? kSwedish : kEnglish;
    return std::string(names[static_cast<std::size_t>(seat)]);
}

std::string ColourInText(int colour, Language language) {
    static constexpr std::array<std::string_view, 4> kEnglish{"clubs", "diamonds", "hearts",
                                                              "spades"};
    const int index = common::ColourIndex(colour);
    if (index < 0) {
        return {};
    }
    if (!Swedish(language)) {
        return std::string(kEnglish[static_cast<std::size_t>(index)]);
    }
    // The colour's own name, written small inside a sentence (its first letter is plain ASCII).
    std::string name(common::ColourDisplayName(colour));
    if (!name.empty() && name[0] >= 'A' && name[0] <= 'Z') {
        name[0] = static_cast<char>(name[0] - 'A' + 'a');
    }
    return name;
}

}  // namespace presentation
