#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/Control.h"

namespace table {

// Looks of a bid button.
enum class BidLook { Active, Inactive, Pressed, Suggested };

// The trick on show during play: each seat's card in it (Nr, -1 for none) and, once it is taken,
// the seat that took it, until the next trick's first card. `playing` is true from the first
// trick to the round's end; outside play nothing is on show.
struct TrickOnShow {
    bool playing = false;
    std::array<int, 4> card{-1, -1, -1, -1};
    int winner = -1;
    int trump = 0;  // the human's cards of other colours cannot be played
};

// A place on the table in twips (15 to a pixel of the logical canvas).
struct TwipsRect {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
};

// The table window's controls as data. The table sets them as the game goes; the view draws
// them after every event and names its widgets after them.
struct Controls {
    std::string WindowTitle;

    std::array<common::Control, 4> Label;         // seat name labels
    std::array<common::Control, 4> LabelBud;      // seat bids
    std::array<common::Control, 4> PakkoImageXP;  // forced-bid markers; only the dealer's shows
    std::array<TwipsRect, 4> PakkoPlace{};

    common::Control LblClickVidare;
    common::Control LblKilledCards;
    common::Control LblNotInPlay;
    common::Control LblSuggest;
    common::Control LblLogFileName;
    common::Control LblScore;
    common::Control LblGameOver;
    common::Control LblReplay;
    common::Control LlbDisabled;
    common::Control LlbAnimate;
    common::Control LblStatisticVi;
    common::Control LblStatisticDe;
    common::Control LblTicker;
    // One line that tells what just happened (a forced bid, the auction's winner, a hand laid
    // down, the round's and the game's result) or why a kept game could not go on as it was.
    common::Control LblAnnounce;
    TrickOnShow Trick;

    // Buttons are pairs of pictures, the up and the pressed (down) look.
    common::Control ImgContUp, ImgContDn;
    common::Control ImgReplayUp, ImgReplayDn;
    common::Control ImgReloadUp, ImgReloadDn;
    common::Control ImgTraceUp, ImgTraceDn;
    common::Control ImgAboutUp, ImgAboutDn;
    common::Control ImgExitUp, ImgExitDn;
    common::Control ImgSuggestUp, ImgSuggestDn;
    common::Control BtnDebugMsg;
    common::Control BtnPlaylog;
    common::Control BtnLoadlog;

    // The bid panel: button i stands for bid i + 5, button 0 for a pass.
    common::Control PBButtonsBackground;
    std::array<common::Control, 10> PBBid;
    std::array<common::Control, 10> PBBidDN;
    std::array<BidLook, 10> PBBidLook{};
    int PBBidChosen = -1;  // the button the keyboard has chosen; -1 none

    // Colour buttons, their pressed looks and the mark of the chosen trump, by colour index
    // (ImgKlUp, ImgRuUp, ImgHjUp, ImgSpUp and so on).
    std::array<common::Control, 4> ImgFargUp;
    std::array<common::Control, 4> ImgFargDn;
    std::array<common::Control, 4> ImgFargChosen;

    common::Control LBTraceBox;  // visibility of the trace list
    std::vector<std::string> LBTrace;

    // The display resets and layouts the round's phases call.
    // Hides the buttons and labels of a finished round.
    void HideEndOfRoundDisplay();
    // Shows or hides the four colour buttons of the human's trump choice.
    void LoadFargForm();
    void UnloadFargForm();
    // The forced-bid marker: large by the dealer's name during the auction, small later.
    void PakkoStor();
    void PakkoLiten();
    void PakkoBort();
    // No trick on show.
    void EndTrickDisplay();
};

// Widget names of the colour controls, by colour index.
inline constexpr std::array<const char*, 4> kFargUpNames = {"ImgKlUp", "ImgRuUp", "ImgHjUp",
                                                            "ImgSpUp"};
inline constexpr std::array<const char*, 4> kFargDnNames = {"ImgKlDn", "ImgRuDn", "ImgHjDn",
                                                            "ImgSpDn"};
inline constexpr std::array<const char*, 4> kFargChosenNames = {"ImgKlChosen", "ImgRuChosen",
                                                                "ImgHjChosen", "ImgSpChosen"};

}  // namespace table
