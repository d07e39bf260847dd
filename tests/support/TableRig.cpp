#include "support/TableRig.h"

#include <algorithm>
#include <stdexcept>

#include "common/FieldReader.h"

namespace table_test {

namespace {

table::TableConfig ConfigFor(const ProgramFolder& folder, const RigOptions& options) {
    if (!options.bid_rules.empty()) {
        folder.Write("FivraBidRulesAI.txt", options.bid_rules);
    }
    if (!options.play_rules.empty()) {
        folder.Write("FivraPlayRulesAI.TXT", options.play_rules);
    }
    table::TableConfig config{folder.Path(), options.seed, options.computer_plays_syd,
                              options.auto_continue_ms};
    config.language = options.language;
    return config;
}

}  // namespace

TableRig::TableRig(const RigOptions& options)
    : table(ConfigFor(folder, options), dialogs, settings) {}

bool RunUntil(table::Table& table, const std::function<bool()>& done) {
    const long long limit = table.Now() + kPatienceMs;
    while (!done()) {
        if (!table.StepClock(limit)) {
            return false;
        }
    }
    return true;
}

bool TableRig::RunToStep(table::WaitStep step) {
    return RunUntil([&] { return table.Timer1().Tag == step; });
}

bool RunToRoundEnd(table::Table& table) {
    return RunUntil(table, [&] {
        if (table.Timer1().Tag == table::WaitStep::WaitToBuy) {
            table.AdvanceMe();
        }
        return table.Timer1().Tag == table::WaitStep::RoundOver;
    });
}

bool TableRig::PlayRounds(int rounds) {
    for (int played = 0; played < rounds; ++played) {
        if (!RunToRoundEnd()) {
            return false;
        }
        table.AdvanceMe();
    }
    return true;
}

void RestartRoundDealtBy(table::Table& table, int dealer) {
    table.MutableState().attSaka = dealer;
    table.MutableState().myGameStatus = 1;
    table.Run();
}

std::vector<std::string> TableRig::CloseAndReadLog() {
    table.Close();
    const auto text = common::ReadWholeFile(folder.File("Fivralog.txt"));
    return text ? common::SplitLines(*text) : std::vector<std::string>{};
}

int Nr(const std::string& face, int colour) {
    static const std::array<std::string, 13> kFaces = {"A", "2", "3",  "4", "5", "6", "7",
                                                       "8", "9", "10", "J", "Q", "K"};
    const auto it = std::find(kFaces.begin(), kFaces.end(), face);
    if (it == kFaces.end() || common::ColourIndex(colour) < 0) {
        throw std::invalid_argument("no such card: " + face);
    }
    return static_cast<int>(it - kFaces.begin()) * 4 + common::ColourIndex(colour);
}

namespace {

void PlaceCards(table::Table& table, const ScriptedRound& script) {
    state::RoundState& round = table.MutableState();
    cards::Packe& deck = table.MutableDeck();
    table.TomAllaHander();
    table.TomAllaBord();
    round.KortKilled.ClearHand();
    deck.TomPacke();
    deck.ValjFarg(script.trump);
    for (int s = 0; s < common::kSeats; ++s) {
        for (int nr : script.hands[s]) {
            round.Hand[s].AddACardOSort(&deck.Card(nr));
        }
    }
    for (int nr : script.deck) {
        deck.PutbackLastTakenCard(&deck.Card(nr));
    }
}

}  // namespace

ScriptedRound DeTakesSixViTwo(int bid, int vi, int de) {
    ScriptedRound script{.bidder = common::kVast, .bid = bid, .vi = vi, .de = de};
    script.hands[common::kVast] = {Nr("A", common::kHjarter), Nr("7", common::kHjarter)};
    script.hands[common::kNord] = {Nr("4", common::kHjarter), Nr("J", common::kHjarter)};
    script.hands[common::kOst] = {Nr("5", common::kHjarter), Nr("6", common::kHjarter)};
    script.hands[common::kSyd] = {Nr("3", common::kHjarter), Nr("10", common::kHjarter)};
    return script;
}

ScriptedRound SydLeads() {
    ScriptedRound script{.bidder = common::kSyd};
    script.hands[common::kSyd] = {Nr("K", common::kSpader), Nr("A", common::kHjarter),
                                  Nr("K", common::kHjarter)};
    script.hands[common::kVast] = {Nr("2", common::kHjarter)};
    return script;
}

bool StartSydsLead(TableRig& rig, bool lamp) {
    rig.table.Start();
    if (!rig.RunUntil([&] { return rig.table.Ctl().PBButtonsBackground.Visible; })) {
        return false;
    }
    rig.table.KeyPass();
    if (lamp) {
        rig.table.ImgSuggestUp_MouseDown();
    }
    return StartPlayFrom(rig.table, SydLeads());
}

ScriptedRound KillingRound() {
    constexpr int kH = common::kHjarter;
    ScriptedRound script{.vi = 55, .de = 20};
    script.hands[common::kVast] = {Nr("K", kH), Nr("Q", kH), Nr("9", kH)};
    script.hands[common::kNord] = {
        Nr("A", kH), Nr("J", kH), Nr("10", kH), Nr("5", kH), Nr("5", common::kRuter),
        Nr("4", kH), Nr("3", kH), Nr("2", kH)};
    script.hands[common::kOst] = {Nr("8", kH), Nr("7", kH)};
    script.hands[common::kSyd] = {Nr("6", kH), Nr("2", common::kKlover), Nr("3", common::kKlover)};
    for (const char* face : {"A", "2", "3", "4", "6", "7", "8", "9", "10", "J", "Q", "K"}) {
        script.deck.push_back(Nr(face, common::kSpader));
    }
    for (const char* face : {"4", "6", "7", "8"}) {
        script.deck.push_back(Nr(face, common::kKlover));
    }
    return script;
}

bool SetUpAfterDiscard(table::Table& table, const ScriptedRound& script) {
    if (!RunUntil(table, [&] { return table.Timer1().Tag == table::WaitStep::WaitToBuy; })) {
        return false;
    }
    PlaceCards(table, script);
    state::RoundState& round = table.MutableState();
    round.gbFarg = script.trump;
    round.attSaka = round.harPacko = round.attBjuda = script.dealer;
    round.gbBjuditHogst = script.bidder;
    round.gbHogstaBudet = script.bid;
    round.gbVi = script.vi;
    round.gbDe = script.de;
    round.PlayedTrump.fill(0);
    round.RankTrick.fill(-1);
    return true;
}

bool StartPlayFrom(table::Table& table, const ScriptedRound& script) {
    if (!SetUpAfterDiscard(table, script)) {
        return false;
    }
    table.MutableState().myGameStatus = 7;
    table.Run();
    return true;
}

std::vector<int> Numbers(const std::vector<cards::Kort*>& cards) {
    std::vector<int> numbers;
    for (const cards::Kort* card : cards) {
        numbers.push_back(card->Nr);
    }
    return numbers;
}

std::vector<int> Numbers(const cards::KortHand& hand) {
    return Numbers(hand.Cards());
}

std::set<int> NumberSet(const cards::KortHand& hand) {
    const std::vector<int> numbers = Numbers(hand);
    return {numbers.begin(), numbers.end()};
}

std::vector<int> BidButtons(const table::Controls& ctl, std::optional<table::BidLook> look) {
    std::vector<int> buttons;
    for (int i = 0; i < 10; ++i) {
        if (ctl.PBBid[i].Visible && (!look || ctl.PBBidLook[i] == *look)) {
            buttons.push_back(i);
        }
    }
    return buttons;
}

int RaisedPosition(const cards::KortHand& hand) {
    const auto& held = hand.Cards();
    const auto raised =
        std::find_if(held.begin(), held.end(), [](const auto* card) { return card->Kop; });
    return raised == held.end() ? 0 : static_cast<int>(raised - held.begin()) + 1;
}

std::vector<std::string> Block(const std::vector<std::string>& log, const std::string& tag) {
    auto it = std::find(log.begin(), log.end(), tag);
    if (it == log.end()) {
        return {};
    }
    const auto end = std::find(it, log.end(), "<END>");
    return {it + 1, end == log.end() ? end : end + 1};
}

bool Contains(const std::vector<std::string>& log, const std::string& line) {
    return std::find(log.begin(), log.end(), line) != log.end();
}

TableSnapshot Snapshot(const table::Table& table) {
    const state::RoundState& round = table.State();
    TableSnapshot snap;
    snap.vi = round.gbVi;
    snap.de = round.gbDe;
    snap.dealer = round.attSaka;
    snap.packo = round.harPacko;
    snap.status = round.myGameStatus;
    snap.replay = round.bReplay;
    snap.timer1_step = table.Timer1().Tag;
    for (int s = 0; s < common::kSeats; ++s) {
        snap.hands[s] = Numbers(round.Hand[s]);
        snap.spots[s] = Numbers(round.Bord[s]);
    }
    snap.killed = Numbers(round.KortKilled);
    snap.scoreboard_rows = table.Scoreboard().RowCount();
    for (int row = 0; row < presentation::kScoreboardRows; ++row) {
        snap.scoreboard_vi[row] = table.Scoreboard().Rows()[row].vi_label.Caption;
    }
    return snap;
}

}  // namespace table_test
