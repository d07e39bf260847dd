#include <string>

#include "presentation/Localisation.h"

// Tooltips and accessible names of the table's controls: the part of the text table that
// explains the table to a new player.
namespace presentation {

namespace {

struct HelpRow {
    std::string_view control;
    std::string_view sv_name;
    std::string_view sv_tooltip;
    std::string_view en_name;
    std::string_view en_tooltip;
};

constexpr HelpRow kRows[] = {
    {"Main", "Spelbordet", "", "The card table", ""},
    {"Hand0", "Din hand",
     "Dina kort. Vänster/höger väljer, Enter eller mellanslag spelar; grå kort kan inte spelas",
     "Your hand",
     "Your cards. Left/Right choose, Enter or Space plays; grey cards cannot be played"},
    {"Hand1", "Veras hand", "Vera (motspelare)", "Wendy's hand", "Wendy (opponent)"},
    {"Hand2", "Nils hand", "Nils (din partner)", "Ned's hand", "Ned (your partner)"},
    {"Hand3", "Olles hand", "Olle (motspelare)", "Eddie's hand", "Eddie (opponent)"},
    {"ImgSuggestUp", "Tips av",
     "Tips är av: klicka så tänds lampan och datorn föreslår bud och kort", "Hints off",
     "Hints are off: click to light the bulb and get a suggested bid and card"},
    {"ImgSuggestDn", "Tips på", "Lampan lyser: datorn föreslår bud och kort. Klicka för att släcka",
     "Hints on", "The bulb is lit: the computer suggests a bid and a card. Click to turn off"},
    {"ImgContUp", "Fortsätt", "Fortsätt med nästa omgång (mellanslag)", "Continue",
     "Go on with the next round (Space)"},
    {"ImgReplayUp", "Spela om", "Spela omgången igen med samma kort", "Replay",
     "Play the round again with the same cards"},
    {"ImgReloadUp", "Ladda om", "Ladda om (inte klar)", "Reload", "Reload (not finished)"},
    {"ImgTraceUp", "Spårlista", "Visa och dölj datorns förklaringar (F2)", "Trace list",
     "Show and hide the computer's explanations (F2)"},
    {"ImgAboutUp", "Om", "Om Fivrastar och statistiken", "About",
     "About Fivrastar and the statistics"},
    {"ImgExitUp", "Avsluta", "Avsluta spelet (Ctrl+Q)", "Quit", "Quit the game (Ctrl+Q)"},
    {"BtnHelp", "Hjälp", "Spelets regler (F1)", "Help", "The rules of the game (F1)"},
    {"ImgSettings", "Inställningar", "Inställningar (Ctrl+,)", "Settings", "Settings (Ctrl+,)"},
    {"BtnReview", "Genomgång", "Expertens genomgång av given", "Round review",
     "The expert's review of the round"},
    {"BtnDebugMsg", "Debug", "Skriv en felrapport i spelloggen", "Debug",
     "Write a bug report into the game log"},
    {"BtnPlaylog", "Spela logg", "Spela om en omgång ur en spellogg", "Play log",
     "Replay a round from a game log"},
    {"BtnLoadlog", "Ladda logg", "Ladda om en hel omgång ur en spellogg", "Load log",
     "Reload a whole round from a game log"},
    {"PBBid", "Bud", "Bjud (siffrorna 6-9, 0 för 10, pilar väljer, Enter bjuder, P passar)", "Bid",
     "Bid (digits 6-9, 0 for 10, arrows choose, Enter bids, P passes)"},
    {"ImgKlUp", "Klöver", "Välj klöver som trumf (K)", "Clubs", "Choose clubs as trump (K)"},
    {"ImgRuUp", "Ruter", "Välj ruter som trumf (R)", "Diamonds", "Choose diamonds as trump (R)"},
    {"ImgHjUp", "Hjärter", "Välj hjärter som trumf (H)", "Hearts", "Choose hearts as trump (H)"},
    {"ImgSpUp", "Spader", "Välj spader som trumf (S)", "Spades", "Choose spades as trump (S)"},
    {"Scoreboard", "Poängtavla",
     "En rad per omgång: ställningen Vi och De, vem som vann budet och budet (✓ klarat, ✗ bet)",
     "Scoreboard",
     "One row per round: the totals of We and They, who won the auction and the bid (✓ made, ✗ "
     "lost)"},
    {"LblStatisticVi", "Vunna spel Vi", "Spel som Vi har vunnit", "Games won by We",
     "Games We have won"},
    {"LblStatisticDe", "Vunna spel De", "Spel som De har vunnit", "Games won by They",
     "Games They have won"},
    {"LblScore", "Omgångens poäng", "Omgångens poäng hittills, Vi : De", "Round points",
     "The round's points so far, We : They"},
    {"PakkoImageXP", "Given", "Den som ger kort bjuder sist", "Dealer",
     "The dealer deals the cards and speaks last in the auction"},
    {"LblAnnounce", "Meddelande", "Vad som just hände vid bordet", "Announcement",
     "What just happened at the table"},
    {"Bord", "Spelade kort", "Kort som spelaren har spelat; sticket som spelas nu är ljust",
     "Played cards", "Cards this player has played; the trick being played is bright"},
    {"KortKilled", "Kort utanför spelet", "Trumf som lagts utanför spelet", "Cards out of play",
     "Trump cards put out of play"},
    {"ImgKlChosen", "Trumf klöver", "Trumf är klöver", "Trump clubs", "Clubs are trump"},
    {"ImgRuChosen", "Trumf ruter", "Trumf är ruter", "Trump diamonds", "Diamonds are trump"},
    {"ImgHjChosen", "Trumf hjärter", "Trumf är hjärter", "Trump hearts", "Hearts are trump"},
    {"ImgSpChosen", "Trumf spader", "Trumf är spader", "Trump spades", "Spades are trump"},
};

// "PBBid3" and "PakkoImageXP1" share the row of their family.
bool Matches(std::string_view row, std::string_view control) {
    if (row == control) {
        return true;
    }
    const bool family = row == "PBBid" || row == "PakkoImageXP" || row == "Bord";
    return family && control.size() > row.size() && control.substr(0, row.size()) == row &&
           control.find_first_not_of("0123456789", row.size()) == std::string_view::npos;
}

}  // namespace

ControlHelp HelpForControl(std::string_view control, Language language) {
    for (const HelpRow& row : kRows) {
        if (Matches(row.control, control)) {
            const bool sv = language == Language::Svenska;
            return ControlHelp{std::string(sv ? row.sv_tooltip : row.en_tooltip),
                               std::string(sv ? row.sv_name : row.en_name)};
        }
    }
    return {};
}

}  // namespace presentation
