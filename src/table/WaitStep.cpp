#include "table/WaitStep.h"

namespace table {

std::string_view WaitStepName(WaitStep step) {
    switch (step) {
        case WaitStep::None:
            return "";
        case WaitStep::BidNext:
            return "Bjudnext";
        case WaitStep::TrumpChosen:
            return "FARGVALD";
        case WaitStep::FindHighestBid:
            return "HogBud1";
        case WaitStep::FindHighestBidAfterOne:
            return "HITTAHOGBUD";
        case WaitStep::Play:
            return "Play";
        case WaitStep::StartPlay:
            return "OK1";
        case WaitStep::StartPlayAfterOne:
            return "OK";
        case WaitStep::Aftermath:
            return "A_OK1";
        case WaitStep::AftermathAfterOne:
            return "A_OK";
        case WaitStep::Suggest:
            return "SuggestOK";
        case WaitStep::SuggestAfterOne:
            return "Suggest1";
        case WaitStep::SuggestAfterTwo:
            return "Suggest";
        case WaitStep::WaitToBuy:
            return "WAIT_KOR";
        case WaitStep::RoundOver:
            return "STOP_RUNDA";
        case WaitStep::Deal:
            return "DELUT";
        case WaitStep::Animate:
            return "ANIMATE";
    }
    return "";
}

}  // namespace table
