#include "BidBaseWriter.h"

#include "bidai/BidBaseFormat.h"
#include "common/NumberText.h"

namespace bidbase_gen {

namespace {

std::string RecordLine(const std::string& key, const bidai::BidRecord& record) {
    std::string line = key;
    for (const float ea : record.ea) {
        line += "," + common::NumberText(ea);
    }
    line += ",P";
    for (const int j : bidai::kPFieldOrder) {
        line += "," + common::NumberText(record.p[j]);
    }
    line += ",U";
    for (const float eauh : record.eauh) {
        line += "," + common::NumberText(eauh);
    }
    return line + "\n";
}

}  // namespace

std::string BidBaseText(const std::vector<KeyHoldings>& keys,
                        const std::vector<bidai::BidRecord>& records) {
    std::string text = std::string(bidai::kBidBaseMarker) + "\n";
    std::string section;
    for (std::size_t i = 0; i < keys.size() && i < records.size(); ++i) {
        if (keys[i].tag != section) {
            section = keys[i].tag;
            text += section + "\n";
        }
        text += RecordLine(keys[i].key, records[i]);
    }
    return text;
}

}  // namespace bidbase_gen
