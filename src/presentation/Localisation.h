#pragma once

#include <string>
#include <string_view>

// Every text the program shows in more than one language, in one table.
namespace presentation {

enum class Language { Svenska, English };

// The language chosen when the program was built (Swedish unless built for English).
Language BuildLanguage();

// The language the program shows: the build's language unless the player chose the other one.
// Set once at start-up, before the table is made; every text routine reads it.
Language ProgramLanguage();
void SetProgramLanguage(Language language);

inline constexpr std::string_view kProductLabel = "Fivrastar 2.5";
inline constexpr std::string_view kWebAddress = "https://fivrastar.example.com";
inline constexpr std::string_view kSupportAddress = "support@fivrastar.example.com";

// Line breaks inside texts are a single carriage return.
inline constexpr char kLineBreak = '\r';

struct Texts {
    std::string quit_question;
    std::string too_many_cards;      // no leading blank: the caller adds the separator
    std::string too_many_cards_you;  // the same said of the human, addressed as "You"
    std::string not_in_play;
    std::string confirmation;
    std::string click_to_proceed;  // LblClickVidare
    std::string replay;            // LblReplay
    std::string disabled;          // LlbDisabled
    std::string news_line;
    std::string about_title;
    std::string about_information;
    std::string reset_caption;
    std::string about_rights;
    std::string team_vi;  // the partnerships' captions on the score panel and scoreboard
    std::string team_de;
};

Texts LoadTexts(Language language);

// The killed-cards line of a seat that held more than six trump cards: its display name and
// the too-many-cards text, in the form that agrees with the human's "You" for seat SYD.
std::string TooManyCardsLine(const Texts& texts, int seat, const std::string& name);

std::string AboutTitle(Language language);
std::string AboutInformation(Language language);
std::string AboutRights(Language language);
std::string ResetStatisticsCaption(Language language);

// The fixed display name of each seat's player; SYD is the human. Empty for a seat
// outside 0..3.
std::string SeatDisplayName(int seat, Language language);

}  // namespace presentation
