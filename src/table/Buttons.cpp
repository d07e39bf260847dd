#include "gamelog/Archive.h"
#include "gamelog/LogBlocks.h"
#include "table/Table.h"

namespace table {

void Table::TableClick() {
    AdvanceMe();
}

void Table::ImgContUp_MouseDown() {
    ctl_.ImgContUp.Visible = false;
    ctl_.ImgContDn.Visible = true;
}

void Table::ImgContUp_MouseUp() {
    ctl_.ImgContDn.Visible = false;
    // Continuing is for a finished round; in the middle of a replayed round it would start
    // the same phase a second time.
    if (!WaitsForClick()) {
        ctl_.ImgContUp.Visible = true;
        return;
    }
    timer3_.Tag = WaitStep::None;
    animation_.Start();
    ContinueAfterRound();
    Run();
}

void Table::ImgTraceUp_Click() {
    ctl_.ImgTraceUp.Visible = false;
    ctl_.ImgTraceDn.Visible = true;
    ctl_.LBTraceBox.Visible = true;
}

void Table::ImgTraceDn_Click() {
    ctl_.ImgTraceUp.Visible = true;
    ctl_.ImgTraceDn.Visible = false;
    ctl_.LBTraceBox.Visible = false;
}

void Table::ImgAboutUp_MouseDown() {
    ctl_.ImgAboutUp.Visible = false;
    ctl_.ImgAboutDn.Visible = true;
}

void Table::ImgAboutUp_MouseUp() {
    ctl_.ImgAboutUp.Visible = true;
    ctl_.ImgAboutDn.Visible = false;
    if (open_about) {
        open_about();
    }
}

void Table::ImgExitUp_MouseDown() {
    ctl_.ImgExitUp.Visible = false;
    ctl_.ImgExitDn.Visible = true;
}

bool Table::ImgExitUp_MouseUp() {
    ctl_.ImgExitUp.Visible = true;
    ctl_.ImgExitDn.Visible = false;
    if (!MayClose()) {
        return false;
    }
    Close();
    return true;
}

bool Table::MayClose() {
    return !round_.GamePlaying ||
           dialogs_.AskYesNo(texts_.quit_question, "Fivra", common::AskIcon::Question);
}

void Table::BtnDebugMsg_Click() {
    debug_attribute_ =
        gamelog::SafeAttribute(dialogs_.InputBox("GE EXTRA ATTRIBUT FÖR FILNAMN:", "DEBUG"));
    const std::string comment = dialogs_.InputBox(
        "Ge kommentar för log-filen. Denna text skrivs in som kommentar i filen:", "DEBUG");
    gamelog::LogDebugComment(log_, comment);
    if (capture_debug_image) {
        capture_debug_image();
    }
    round_.gbDEBUGCapture = true;
}

void Table::ArchiveDebugReport() {
    round_.gbDEBUGCapture = false;
    const auto save = [this](const std::string& path) {
        return save_debug_image ? save_debug_image(path) : false;
    };
    gamelog::ArchiveLog(config_.folder, debug_attribute_, settings_, save, dialogs_);
}

void Table::ImgSuggestUp_MouseDown() {
    ctl_.ImgSuggestUp.Visible = false;
    ctl_.ImgSuggestDn.Visible = true;
    round_.bSuggest = true;
    if (round_.myGameStatus == 7 && round_.PlaySeat == common::kSyd) {
        SuggestSYD();
    } else if (round_.myGameStatus == 2) {
        ShowBjudSuggestButton();
    }
    ctl_.LblSuggest.Visible = true;
}

void Table::ImgSuggestDn_MouseDown() {
    ctl_.ImgSuggestUp.Visible = true;
    ctl_.ImgSuggestDn.Visible = false;
    round_.bSuggest = false;
    if (round_.myGameStatus == 7 && round_.PlaySeat == common::kSyd) {
        round_.Hand[common::kSyd].SattInKortIHanden();
    } else if (round_.myGameStatus == 2) {
        for (BidLook& look : ctl_.PBBidLook) {
            if (look == BidLook::Suggested) {
                look = BidLook::Active;
            }
        }
    }
    ctl_.LblSuggest.Visible = false;
}

std::array<std::string, state::kTricks> Table::TrickCardLetters() const {
    std::array<std::string, state::kTricks> letters;
    const auto& history = play_ai_.Memory().TrickHighHistory;
    for (int t = 0; t < state::kTricks; ++t) {
        letters[t] = history[t][0];
    }
    return letters;
}

}  // namespace table
