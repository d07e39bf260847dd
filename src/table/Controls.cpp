#include "table/Controls.h"

namespace table {

void Controls::HideEndOfRoundDisplay() {
    LlbDisabled.Visible = false;
    LblReplay.Visible = false;
    for (common::Control* c :
         {&ImgContUp, &ImgContDn, &ImgReplayUp, &ImgReplayDn, &ImgReloadUp, &ImgReloadDn}) {
        c->Visible = false;
    }
    LblGameOver.Caption.clear();
    LblGameOver.Visible = false;
    LblSuggest.Visible = false;
    LblLogFileName.Visible = false;
    LBTraceBox.Visible = false;
    LblScore.Visible = false;
}

void Controls::LoadFargForm() {
    for (auto& button : ImgFargUp) {
        button.Visible = true;
    }
}

void Controls::UnloadFargForm() {
    for (int i = 0; i < 4; ++i) {
        ImgFargUp[i].Visible = false;
        ImgFargDn[i].Visible = false;
    }
}

void Controls::PakkoStor() {
    static constexpr std::array<TwipsRect, 4> kLarge = {
        TwipsRect{8400, 950, 1305, 1740}, TwipsRect{600, 120, 1305, 1740},
        TwipsRect{600, 1680, 1305, 1740}, TwipsRect{600, 10200, 1305, 1740}};
    PakkoPlace = kLarge;
}

void Controls::PakkoLiten() {
    static constexpr std::array<TwipsRect, 4> kSmall = {
        TwipsRect{9600, 2560, 1260 / 3, 1740 / 3}, TwipsRect{2040, 240, 1260 / 3, 1740 / 3},
        TwipsRect{120, 2700, 1260 / 3, 1740 / 3}, TwipsRect{2040, 9800, 1260 / 3, 1740 / 3}};
    PakkoPlace = kSmall;
}

void Controls::PakkoBort() {
    for (auto& marker : PakkoImageXP) {
        marker.Visible = false;
    }
}

void Controls::EndTrickDisplay() {
    Trick = TrickOnShow{};
}

}  // namespace table
