#include "common/FivraError.h"
#include "table/Table.h"

namespace table {

bool Table::Guarded(const std::function<void()>& operation) {
    if (halted_) {
        return false;
    }
    try {
        operation();
        return true;
    } catch (const common::FivraError& error) {
        halted_ = true;
        for (StepTimer* timer : {&timer1_, &timer2_, &timer3_}) {
            timer->SetEnabled(false);
            timer->Tag = WaitStep::None;
        }
        timer_ad_.SetEnabled(false);
        log_.LogClose();
        const std::string what = std::string(error.what()) + " (" + error.Source() + " " +
                                 std::to_string(error.Number()) + ")";
        std::string text = texts_.table_fault;
        text.replace(text.find("{error}"), 7, what);
        dialogs_.Message(text, "Fivrastar");
        return false;
    }
}

}  // namespace table
