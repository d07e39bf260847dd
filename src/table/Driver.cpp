#include <algorithm>

#include "gamelog/LogBlocks.h"
#include "presentation/Localisation.h"
#include "table/Table.h"

namespace table {

namespace {

common::Random MakeRandom(const std::optional<std::uint64_t>& seed) {
    return seed ? common::Random(*seed) : common::Random();
}

}  // namespace

Table::Table(TableConfig config, common::Dialogs& dialogs, common::SettingsStore& settings)
    : config_(std::move(config)),
      dialogs_(dialogs),
      settings_(settings),
      random_(MakeRandom(config_.seed)),
      // The texts come with the table, so that the view, built before the table starts,
      // finds its captions in the table's language.
      texts_(presentation::LoadTexts(config_.language)),
      log_(config_.folder, dialogs) {}

void Table::Start() {
    ctl_.WindowTitle = presentation::WindowTitle();
    round_.myGameStatus = 0;
    round_.GamePlaying = false;
    Run();
    ticker_.StopTicker(ctl_.LblTicker, timer_ad_);
    ImgSuggestDn_MouseDown();  // suggestions start switched off
    if (!ResumeInterruptedGame()) {
        round_.myGameStatus = 1;
        Run();
    }
}

void Table::Close() {
    KeepPlayedCards();
    log_.LogClose();
    // A decision still under way when the window closed finishes after this; its lines would
    // open the log afresh and lose the round just written.
    log_.SetEnabled(false);
}

void Table::Run() {
    switch (round_.myGameStatus) {
        case 0:
            OneTimeSetUp();
            break;
        case 1:
            NewRound();
            break;
        case 2:
            AuctionState();
            break;
        case 3:
            FindHighestBidState();
            break;
        case 4:
            BjudarenValjer();
            break;
        case 5:
            TrumpChosenState();
            break;
        case 6:
            BuyingState();
            break;
        case 7:
            PlayState();
            break;
        default:
            dialogs_.Message("No GameStatus Defined");
            break;
    }
}

void Table::OneTimeSetUp() {
    round_.gbDEBUGCapture = false;
    ctl_.LblClickVidare.Caption = texts_.click_to_proceed;
    ctl_.LblReplay.Caption = texts_.replay;
    ctl_.LlbDisabled.Caption = texts_.disabled;
    scoreboard_.ScoreboardClear();
    ctl_.ImgTraceUp.Visible = false;
    ctl_.ImgTraceDn.Visible = false;
    ctl_.ImgAboutUp.Visible = true;
    ctl_.ImgExitUp.Visible = true;
    ctl_.BtnDebugMsg.Visible = true;
    ctl_.BtnPlaylog.Visible = true;
    ctl_.BtnLoadlog.Visible = true;
    ConfigureHands();
    round_.attSaka = common::kSyd;
    round_.myGameStatus = 1;
}

void Table::ConfigureHands() {
    const auto language = config_.language;
    for (int s = 0; s < common::kSeats; ++s) {
        cards::KortHand& hand = round_.Hand[s];
        hand.HandKod = std::string(common::SeatName(s));
        hand.LayoutStyle = s % 2;
        hand.SetHandSpelarTyp(s == common::kSyd && !config_.computer_plays_syd ? 1 : 0);
        hand.HandAktivitat = 0;
        hand.BordHand = s;
        hand.HandNamn = presentation::SeatDisplayName(s, language);
        if (s == common::kSyd) {
            hand.VisaHanden = 0;  // the human's cards are face up even when a computer plays them
        }
        round_.Bord[s].HandKod = hand.HandKod;
        round_.Bord[s].LayoutStyle = s % 2;
        round_.Bord[s].CardsToShow = 9;
        ctl_.Label[s].Caption = hand.HandNamn;
        ctl_.Label[s].Visible = true;
    }
    round_.KortKilled.HandKod = "KILLED";
    round_.KortKilled.CardsToShow = 3;
}

void Table::NewRound() {
    if (round_starting) {
        round_starting();
    }
    timer1_.Tag = WaitStep::None;
    timer3_.Tag = WaitStep::None;
    animation_.Start();
    ctl_.LblClickVidare.Visible = false;
    ctl_.HideEndOfRoundDisplay();
    ShowStatistics();
    TomAllaBord();
    TomAllaHander();
    for (int s = 0; s < common::kSeats; ++s) {
        if (round_.Hand[s].HandSpelarTyp() == 0 && s != common::kSyd) {
            round_.Hand[s].VisaHanden = 1;
        }
        round_.Hand[s].OutOfPlay = false;
    }
    ResetRoundTables();
    ctl_.ImgReplayUp.Visible = ctl_.ImgReplayDn.Visible = false;
    ctl_.LblNotInPlay.Visible = false;
    ctl_.LblSuggest.Visible = false;
    ctl_.LblKilledCards.Caption.clear();
    round_.KortKilled.ClearHand();
    round_.KortKilled.refresh();
    ctl_.PakkoBort();
    round_.GamePlaying = true;
    log_.LogClose();
    if (round_.gbDEBUGCapture) {
        ArchiveDebugReport();
    }
    round_.attBjuda = round_.attSaka;
    round_.harPacko = round_.attSaka;
    ctl_.PakkoStor();
    ctl_.PakkoImageXP[round_.attSaka].Visible = true;
    round_.gbHogstaBudet = 0;
    ctl_.Trick = TrickOnShow{};
    DealStart();
    if (!round_.bReplay) {
        KeepResumeRecord(true);
    }
    round_.myGameStatus = 2;
}

void Table::ResetRoundTables() {
    round_.TrickCards.fill(0);
    round_.TrickPoints.fill(0);
    round_.TrickTyp.fill("");
    round_.ColdFlag.fill(0);
    round_.PlayedCount.fill(0);
    round_.BeforeBuying.fill(0);
    round_.PlayedTrump.fill(0);
    round_.RankTrick.fill(-1);
    round_.TrickPointsVi.fill(0);
    round_.TrickPointsDe.fill(0);
    for (auto& trick : round_.TrickHistory) {
        trick.fill(0);
    }
    play_ai_.Memory() = playai::PlayMemory{};
    min_farg_.fill(-1);
}

void Table::ShowStatistics() {
    ctl_.LblStatisticVi.Caption = settings_.RegReadSetting("user", "Statistic", "TotalVi", "0");
    ctl_.LblStatisticDe.Caption = settings_.RegReadSetting("user", "Statistic", "TotalDe", "0");
    ctl_.LblStatisticVi.Visible = ctl_.LblStatisticDe.Visible = true;
}

void Table::AuctionState() {
    if (round_.attBjuda != round_.attSaka) {
        BjudNext();
        return;
    }
    round_.myGameStatus = 3;
    Run();
}

void Table::FindHighestBidState() {
    timer1_.SetEnabled(false);
    timer1_.SetInterval(300);
    timer1_.SetEnabled(true);
    if (timer1_.Tag == WaitStep::None) {
        timer1_.Tag = WaitStep::FindHighestBidAfterOne;
        return;
    }
    timer1_.Tag = WaitStep::None;
    HittaHogBud();
    round_.myGameStatus = 4;
    Run();
}

void Table::TrumpChosenState() {
    timer1_.SetInterval(1200 + static_cast<int>(random_.Uniform() * 300));
    if (timer1_.Tag == WaitStep::None) {
        timer1_.Tag = WaitStep::TrumpChosen;
        return;
    }
    timer1_.Tag = WaitStep::None;
    gamelog::LogForeKop(log_, round_);
    FargVald();
    ctl_.LblClickVidare.Visible = true;
    round_.myGameStatus = 6;
    timer1_.SetInterval(800);
    timer1_.SetEnabled(true);
    timer1_.Tag = WaitStep::WaitToBuy;
}

void Table::BuyingState() {
    Kopa();
    round_.myGameStatus = 7;
    timer1_.Tag = WaitStep::StartPlayAfterOne;
}

void Table::PlayState() {
    KopSlut();
    TomAllaBord();
    round_.HighestUnplayed = 14;
    round_.attSaka = common::NextSeat(round_.attSaka);
    PlayInit();
}

void Table::ContinueAfterRound() {
    if (round_.gbVi > 61 || round_.gbDe > 61) {
        round_.GamePlaying = false;
        round_.gbVi = 0;
        round_.gbDe = 0;
        scoreboard_.ScoreboardClear();
        round_.myGameStatus = 1;
    }
    round_.bReplay = false;
    ctl_.LblAnnounce.Caption.clear();
    ctl_.LblAnnounce.Visible = false;
    ctl_.HideEndOfRoundDisplay();
}

void Table::TomAllaBord() {
    for (auto& spot : round_.Bord) {
        spot.ClearHand();
        spot.refresh();
    }
}

void Table::TomAllaHander() {
    for (auto& hand : round_.Hand) {
        hand.ClearHand();
        hand.refresh();
    }
}

void Table::Trace(const std::string& line) {
    // The list keeps the latest lines; a long session must not grow it without end.
    constexpr std::size_t kTraceLines = 2000;
    if (ctl_.LBTrace.size() >= kTraceLines) {
        ctl_.LBTrace.erase(ctl_.LBTrace.begin(), ctl_.LBTrace.begin() + kTraceLines / 2);
    }
    ctl_.LBTrace.push_back(line);
}

}  // namespace table
