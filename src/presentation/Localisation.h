#pragma once

#include <string>
#include <string_view>

// Every text the program shows in more than one language, in one table.
namespace presentation {

enum class Language { Svenska, English };

// The language chosen when the program was built (Swedish unless built for English).
Language BuildLanguage();

inline constexpr std::string_view kProductLabel = "Fivrastar 2.5";
inline constexpr std::string_view kWebAddress = "https://fivrastar.example.com";
inline constexpr std::string_view kSupportAddress = "support@fivrastar.example.com";

// Line breaks inside texts are a single carriage return.
inline constexpr char kLineBreak = '\r';

struct Texts {
    std::string quit_question;
    std::string too_many_cards;  // no leading blank: the caller adds the separator
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
};

Texts LoadTexts(Language language);

std::string AboutTitle(Language language);
std::string AboutInformation(Language language);
std::string AboutRights(Language language);
std::string ResetStatisticsCaption(Language language);

// The fixed display name of each seat's player; SYD is the human. Empty for a seat
// outside 0..3.
std::string SeatDisplayName(int seat, Language language);

}  // namespace presentation
