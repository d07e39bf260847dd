#include <vector>

#include "gamelog/LogBlocks.h"
#include "table/Table.h"

namespace table {

void Table::BjudarenValjer() {
    ctl_.Label[round_.gbBjuditHogst].ForeColor = common::kYellow;
    SeatNamesTrump(round_.gbBjuditHogst);
}

void Table::SeatNamesTrump(int seat) {
    if (round_.Hand[seat].HandSpelarTyp() == 1) {
        ctl_.LoadFargForm();
        return;
    }
    // A computer seat names the colour its bidding chose; a seat that never chose one (its
    // rule files failed) names the colour it holds most of.
    int colour = DecideTrump(seat);
    if (common::ColourIndex(colour) < 0) {
        colour = common::kKlover;
        for (int i = 1; i < 4; ++i) {
            if (round_.Hand[seat].AntalKortIFarg(common::ColourCode(i)) >
                round_.Hand[seat].AntalKortIFarg(colour)) {
                colour = common::ColourCode(i);
            }
        }
        min_farg_[seat] = colour;
    }
    TellDecision(seat, state::Decision::Trump, colour, round_.gbHogstaBudet);
    gamelog::LogTrumpBlock(log_, colour);
    round_.gbFarg = colour;
    ShowChosenColour();
    round_.myGameStatus = 5;
    Run();
}

void Table::ShowChosenColour() {
    for (int i = 0; i < 4; ++i) {
        ctl_.ImgFargChosen[i].Visible = common::ColourCode(i) == round_.gbFarg;
    }
    Announce(Announcer().AuctionWon(round_.gbBjuditHogst, round_.gbHogstaBudet, round_.gbFarg));
}

void Table::ImgFargUp_MouseDown(int colour_index) {
    if (colour_index < 0 || colour_index > 3 || !ctl_.ImgFargUp[colour_index].Visible) {
        return;
    }
    ctl_.ImgFargDn[colour_index].Visible = true;
}

void Table::ImgFargUp_MouseUp(int colour_index) {
    if (colour_index < 0 || colour_index > 3 || !ctl_.ImgFargUp[colour_index].Visible) {
        return;
    }
    ctl_.UnloadFargForm();
    const int colour = common::ColourCode(colour_index);
    TellDecision(round_.gbBjuditHogst, state::Decision::Trump, colour, round_.gbHogstaBudet);
    round_.gbFarg = colour;
    min_farg_[round_.gbBjuditHogst] = colour;
    log_.Log("HUMAN Selects color " + std::string(common::ColourDisplayName(colour)));
    gamelog::LogTrumpBlock(log_, colour);
    ShowChosenColour();
    ctl_.Label[round_.gbBjuditHogst].ForeColor = common::kBlack;
    round_.myGameStatus = 5;
    Run();
}

void Table::FargVald() {
    int seat = common::NextSeat(round_.attSaka);
    for (int i = 0; i < 3; ++i, seat = common::NextSeat(seat)) {
        const int trumps = round_.Hand[seat].AntalKortIFarg(round_.gbFarg);
        round_.BeforeBuying[seat] = trumps;
        play_ai_.Memory().JagSer[seat] = static_cast<float>(trumps);
        play_ai_.Memory().AndraSer[seat] = static_cast<float>(trumps);
        KastaKort(seat, 0);
    }
    RitaOmAlla();
}

void Table::KastaKort(int seat, int target) {
    cards::KortHand& hand = round_.Hand[seat];
    std::vector<cards::Kort*> kept;
    const int n = hand.AntalKort();
    for (int i = 0; i < n; ++i) {
        cards::Kort* card = hand.TakeACard(1);
        if (card->IsOfColour(round_.gbFarg)) {
            kept.push_back(card);
        } else {
            round_.Bord[seat].AddACardOSort(card);
        }
    }
    for (cards::Kort* card : kept) {
        hand.AddACard(card);
    }
    if (target > 0) {
        const int held = hand.AntalKort();
        if (held > 6) {
            play_ai_.Memory().JagSer[seat] = static_cast<float>(held);
            play_ai_.Memory().AndraSer[seat] = static_cast<float>(held);
            KillSurplusTrumps(seat);
        }
        // A dealer short of six trumps makes up six with his own discards.
        int taken_back = 0;
        for (int missing = target - hand.AntalKort(); missing > 0; --missing) {
            cards::Kort* discard = round_.Bord[seat].TakeACard(1);
            if (discard == nullptr) {
                break;
            }
            hand.AddACard(discard);
            ++taken_back;
        }
        if (taken_back > 0) {
            Announce(Announcer().DealerFills(seat, taken_back));
        }
    }
}

void Table::KillSurplusTrumps(int seat) {
    cards::KortHand& hand = round_.Hand[seat];
    if (hand.AntalKort() < 7) {
        return;
    }
    for (cards::Kort* card : hand.TaBortMeraKortAn6(round_.gbFarg)) {
        round_.PlayedTrump[card->Rang] = -1;
        round_.KortKilled.AddACardOSort(card);
    }
    round_.KortKilled.refresh();
    ctl_.LblKilledCards.Caption +=
        presentation::TooManyCardsLine(texts_, seat, hand.HandNamn) + "\n";
    ctl_.LblKilledCards.Visible = true;
    ctl_.LblNotInPlay.Caption = texts_.not_in_play;
    ctl_.LblNotInPlay.Visible = true;
    hand.refresh();
    round_.Bord[seat].refresh();
}

void Table::Kopa() {
    int seat = common::NextSeat(round_.attSaka);
    for (int i = 0; i < 3; ++i, seat = common::NextSeat(seat)) {
        KopFranPacke(seat);
    }
    const int dealer = round_.attSaka;
    const int left = deck_.KortIPacken();
    if (left > 0) {
        log_.Log(gamelog::BuyTag(dealer));
        for (int i = 0; i < left; ++i) {
            BuyCard(dealer);
        }
        log_.Log("<END>");
        log_.EndBlock();
    }
    const int trumps = round_.Hand[dealer].AntalKortIFarg(round_.gbFarg);
    if (trumps > 6) {
        round_.BeforeBuying[dealer] = trumps;
        play_ai_.Memory().JagSer[dealer] = static_cast<float>(trumps);
        play_ai_.Memory().AndraSer[dealer] = static_cast<float>(trumps);
    } else {
        // What the dealer kept is not public: he took the rest of the deck unseen.
        round_.BeforeBuying[dealer] = -1;
        play_ai_.Memory().AndraSer[dealer] = 0;
    }
    KastaKort(dealer, 6);
    RitaOmAlla();
    ctl_.PakkoLiten();
}

void Table::KopFranPacke(int seat) {
    cards::KortHand& hand = round_.Hand[seat];
    const int n = hand.AntalKort();
    if (n > 6) {
        play_ai_.Memory().JagSer[seat] = static_cast<float>(n);
        play_ai_.Memory().AndraSer[seat] = static_cast<float>(n);
        KillSurplusTrumps(seat);
    }
    if (n == 6) {
        return;
    }
    log_.Log(gamelog::BuyTag(seat));
    for (int i = n; i < 6; ++i) {
        BuyCard(seat);
    }
    log_.Log("<END>");
    log_.EndBlock();
}

void Table::BuyCard(int seat) {
    cards::Kort* card = deck_.GeKort();
    if (card->IsOfColour(round_.gbFarg)) {
        log_.Log(gamelog::CardLine(*card, round_.gbFarg));
    }
    if (card->IsNoCard()) {
        return;
    }
    card->Kop = true;
    cards::KortHand& hand = round_.Hand[seat];
    if (hand.HandSpelarTyp() == 1) {
        hand.AddACard(card);
    } else {
        hand.AddACardOSort(card);
    }
}

void Table::KopSlut() {
    for (auto& hand : round_.Hand) {
        hand.SattInKortIHanden();
        hand.refresh();
    }
}

void Table::RitaOmAlla() {
    for (int s = 0; s < common::kSeats; ++s) {
        round_.Hand[s].refresh();
        round_.Bord[s].refresh();
    }
}

}  // namespace table
