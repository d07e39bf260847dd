#include "table/Table.h"

namespace table {

void Table::Announce(const std::string& text) {
    ctl_.LblAnnounce.Caption = text;
    ctl_.LblAnnounce.Visible = !text.empty();
    announced_before_play_ = !ctl_.Trick.playing;
}

presentation::Announcements Table::Announcer() const {
    return presentation::Announcements(texts_, config_.language);
}

}  // namespace table
