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

// The product's web site and support mail address. Both are build options and empty unless
// set: without them the title, the About box and the news line speak of no address at all.
struct Addresses {
    std::string web;
    std::string support;
};
Addresses BuildAddresses();

// The window title: the product label, and the web address when there is one.
std::string WindowTitle(const Addresses& addresses = BuildAddresses());

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

    // Help for a new player: why a pressed card did not play, the caption of the round's
    // running points, and the rules page's title and missing-page message.
    std::string only_trump;
    std::string score_caption;
    std::string help_title;
    std::string help_missing;

    // The game kept between runs: the offer to continue it, and the notices when it cannot be
    // continued as it was. {file} names the file at fault.
    std::string resume_question;
    std::string resume_discard;   // asked once more before the saved game is thrown away
    std::string resume_diverged;  // the round's moves differ from its log from some move on
    std::string resume_new_deal;
    std::string resume_damaged;

    // The table's announcements; the words in braces are filled in (see Announcements.h).
    std::string forced_bid;          // {seat}
    std::string auction_won;         // {seat} {bid}
    std::string auction_won_trump;   // {seat} {bid} {colour}
    std::string dealer_fills;        // {seat} {count}
    std::string lays_down;           // {seat}
    std::string round_made;          // {team} {bid} {points} {margin}
    std::string round_made_exactly;  // {team} {bid} {points}
    std::string round_lost;          // {team} {bid} {points} {margin}
    std::string game_won;            // {team} {vi} {de}
};

Texts LoadTexts(Language language, const Addresses& addresses = BuildAddresses());

// The killed-cards line of a seat that held more than six trump cards: its display name and
// the too-many-cards text, in the form that agrees with the human's "You" for seat SYD.
std::string TooManyCardsLine(const Texts& texts, int seat, const std::string& name);

std::string AboutTitle(Language language);
std::string AboutInformation(Language language, const Addresses& addresses = BuildAddresses());
std::string AboutRights(Language language);
std::string ResetStatisticsCaption(Language language);

// The fixed display name of each seat's player; SYD is the human. Empty for a seat
// outside 0..3.
std::string SeatDisplayName(int seat, Language language);

// The trump colour in running text: "klöver" .. "spader", "clubs" .. "spades"; empty for a
// code that is no single colour.
std::string ColourInText(int colour, Language language);

// Tooltip and accessible name of a control of the table, by the control's name ("ImgExitUp",
// "PBBid3", "Hand0", ...); both empty for a name the table does not have.
struct ControlHelp {
    std::string tooltip;
    std::string name;
};
ControlHelp HelpForControl(std::string_view control, Language language);

}  // namespace presentation
