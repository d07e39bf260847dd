#include <set>
#include <variant>

#include "gamelog/LogBlocks.h"
#include "table/Table.h"

namespace table {

namespace {

constexpr const char* kStars30 = "******************************";

// The banner that opens a replayed round in the game log.
void LogReplayBanner(common::LogSink& log, const std::string& title) {
    log.Log(kStars30);
    log.Log(title);
    log.Log(kStars30);
    log.EndBlock();
}

}  // namespace

void Table::ImgReplayUp_MouseDown() {
    if (!ctl_.ImgReplayUp.Visible) {
        return;
    }
    ctl_.ImgReplayUp.Visible = false;
    ctl_.ImgReplayDn.Visible = true;
}

void Table::ImgReplayUp_MouseUp() {
    // The replay is there only while a finished round is on show.
    if (!ctl_.ImgReplayUp.Visible && !ctl_.ImgReplayDn.Visible) {
        return;
    }
    ReplayJustPlayed();
}

void Table::ImgReloadUp_MouseDown() {
    ctl_.ImgReloadUp.Visible = false;
    ctl_.ImgReloadDn.Visible = true;
}

void Table::ImgReloadUp_MouseUp() {
    ctl_.ImgReloadUp.Visible = true;
    ctl_.ImgReloadDn.Visible = false;
    dialogs_.Message("Under Construction....");
}

void Table::ShowReplayLook() {
    ctl_.ImgReplayUp.Visible = ctl_.ImgReplayDn.Visible = false;
    ctl_.ImgContUp.Visible = true;
    ctl_.ImgContDn.Visible = false;
    ctl_.ImgReloadUp.Visible = ctl_.ImgReloadDn.Visible = false;
    ctl_.LblReplay.Visible = true;
    ctl_.LlbDisabled.Visible = true;
    ctl_.LblScore.Visible = false;
    ctl_.LblClickVidare.Visible = false;
    ctl_.LlbAnimate.Visible = false;
    round_.bReplay = true;
    ctl_.Trick = TrickOnShow{};
    // Nothing of the interrupted round may go on behind the replay.
    timer1_.Tag = WaitStep::None;
    timer2_.Tag = WaitStep::None;
    timer3_.Tag = WaitStep::None;
    presentation::ScoreAnimation::ResetHandsAfterAnimation(round_);
}

void Table::ClearPlayedTables() {
    round_.PlayedTrump.fill(0);
    round_.RankTrick.fill(-1);
}

void Table::ReplayJustPlayed() {
    ShowReplayLook();
    for (int s = 0; s < common::kSeats; ++s) {
        cards::KortHand& spot = round_.Bord[s];
        while (cards::Kort* card = spot.TakeACard(1)) {
            round_.Hand[s].AddACard(card);
        }
        round_.Hand[s].VisaHanden = 0;
        round_.Hand[s].OutOfPlay = false;
        spot.ClearHand();
        spot.refresh();
        round_.Hand[s].refresh();
    }
    ClearPlayedTables();
    for (const cards::Kort* card : round_.KortKilled.Cards()) {
        round_.PlayedTrump[card->Rang] = -1;
    }
    LogReplayBanner(log_, "START REPLAY");
    round_.attSaka = round_.harPacko;
    random_.Reseed(static_cast<std::uint64_t>(random_.Uniform() * 9007199254740992.0));
    round_.myGameStatus = 7;
    Run();
}

bool Table::ChooseLogFile() {
    const auto chosen = dialogs_.ChooseLogFile(config_.folder);
    if (!chosen) {
        return false;
    }
    log_file_name_ = *chosen;
    return true;
}

void Table::BtnPlaylog_Click() {
    if (!ChooseLogFile()) {
        return;
    }
    ctl_.LblLogFileName.Caption = "Playing: " + log_file_name_;
    ctl_.LblLogFileName.Visible = true;
    ReplayFromLog();
}

void Table::BtnLoadlog_Click() {
    if (!ChooseLogFile()) {
        return;
    }
    ctl_.LblLogFileName.Caption = "Playing: " + log_file_name_;
    ctl_.LblLogFileName.Visible = true;
    ReloadFromLog();
}

void Table::ReplayFromLog() {
    if (log_file_name_.empty()) {
        dialogs_.Message("No game log was chosen to replay.");
        return;
    }
    auto read = gamelog::ReadReplayLog(log_file_name_);
    if (const auto* error = std::get_if<gamelog::LogError>(&read)) {
        dialogs_.Message(error->message);
        return;
    }
    const auto& logged = std::get<gamelog::ReplayLog>(read);
    std::set<std::string> seen;
    for (int s = 0; s < common::kSeats; ++s) {
        for (const auto* list : {&logged.fore_kop[s], &logged.koper[s]}) {
            for (const std::string& line : *list) {
                if (!seen.insert(line).second) {
                    dialogs_.Message("The game log " + log_file_name_ + " names the trump card " +
                                     line + " more than once; it cannot be replayed.");
                    return;
                }
            }
        }
    }
    ClearTableForReplay();
    round_.gbVi = logged.gbVi;
    round_.gbDe = logged.gbDe;
    round_.gbBjuditHogst = logged.bidder;
    round_.attSaka = logged.dealer;
    round_.gbHogstaBudet = logged.bid;
    round_.harPacko = round_.attBjuda = round_.attSaka;
    ctl_.PakkoLiten();
    ctl_.PakkoImageXP[round_.harPacko].Visible = true;
    ctl_.LabelBud[logged.bidder].Caption = std::to_string(logged.bid);
    ctl_.LabelBud[logged.bidder].Visible = true;
    round_.gbFarg = logged.trump;
    ShowChosenColour();
    RebuildHandsFromLog(logged);
    SetSeenCountsFromLog(logged);
    ShowReplayLook();
    LogReplayBanner(log_, "START REPLAY FROM LOGFILE");
    round_.myGameStatus = 7;
    Run();
}

void Table::ClearTableForReplay() {
    TomAllaBord();
    TomAllaHander();
    round_.KortKilled.ClearHand();
    round_.KortKilled.refresh();
    ctl_.LblKilledCards.Caption.clear();
    ctl_.LblKilledCards.Visible = ctl_.LblNotInPlay.Visible = false;
    ctl_.PakkoBort();
    HideBidPanel();
    ctl_.UnloadFargForm();
    ClearPlayedTables();
    for (int s = 0; s < common::kSeats; ++s) {
        ctl_.LabelBud[s].Caption.clear();
        ctl_.Label[s].ForeColor = common::kBlack;
        round_.Hand[s].VisaHanden = 0;
        round_.Hand[s].OutOfPlay = false;
        round_.Hand[s].HandAktivitat = 0;
    }
}

void Table::RebuildHandsFromLog(const gamelog::ReplayLog& logged) {
    deck_.ValjFarg(round_.gbFarg);
    deck_.TomPacke();
    for (int s = 0; s < common::kSeats; ++s) {
        for (const auto* list : {&logged.fore_kop[s], &logged.koper[s]}) {
            for (const std::string& line : *list) {
                // Checked beforehand: every line names a distinct trump card.
                cards::Kort* card = deck_.GeSpeciellKort(line, round_.gbFarg);
                if (card != nullptr) {
                    round_.Hand[s].AddACardOSort(card);
                }
            }
        }
        KillSurplusTrumps(s);
    }
}

void Table::SetSeenCountsFromLog(const gamelog::ReplayLog& logged) {
    auto& memory = play_ai_.Memory();
    for (int s = 0; s < common::kSeats; ++s) {
        const int f = static_cast<int>(logged.fore_kop[s].size());
        const int b = static_cast<int>(logged.koper[s].size());
        round_.BeforeBuying[s] = f;
        memory.JagSer[s] = static_cast<float>(f + b);
        memory.AndraSer[s] = static_cast<float>(f + b > 6 ? f + b : f);
    }
    const int dealer = round_.attSaka;
    round_.BeforeBuying[dealer] = -1;
    if (memory.AndraSer[dealer] <= 6) {
        memory.AndraSer[dealer] = 0;
    }
}

void Table::ReloadFromLog() {
    if (log_file_name_.empty()) {
        return;
    }
    auto read = gamelog::ReadReloadLog(log_file_name_);
    if (const auto* error = std::get_if<gamelog::LogError>(&read)) {
        dialogs_.Message(error->message);
        return;
    }
    const auto& logged = std::get<gamelog::ReloadLog>(read);
    ClearPlayedTables();
    round_.gbVi = logged.gbVi;
    round_.gbDe = logged.gbDe;
    RestoreLoggedDeck(logged);
    round_.attSaka = logged.dealer;
    round_.harPacko = round_.attBjuda = round_.attSaka;
    ShowReplayLook();
    LogReplayBanner(log_, "START RELOAD FROM LOGFILE");
    round_.myGameStatus = 1;
    Run();
}

// Puts the logged deck order back into the deck, every card taken off the table first, so that
// the next deal gives the logged hands.
bool Table::RestoreLoggedDeck(const gamelog::ReloadLog& logged) {
    for (int i = 1; i <= cards::kDeckSize; ++i) {
        deck_.TweakPacke(i, logged.order[i]);
    }
    TomAllaHander();
    TomAllaBord();
    round_.KortKilled.ClearHand();
    deck_.TomPacke();
    return deck_.SakaRestore();
}

}  // namespace table
