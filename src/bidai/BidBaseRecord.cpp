#include "bidai/BidBaseRecord.h"

#include "bidai/NumberField.h"
#include "common/FieldReader.h"

namespace bidai {

namespace {

// Reads the record's fields after its key; false (with the lookup's problem set) when the file
// ends first.
class RecordReader {
  public:
    RecordReader(common::FieldReader& reader, std::string_view key, BidLookup& lookup)
        : reader_(reader), key_(key), lookup_(lookup) {}

    bool Number(float& into) {
        const bool more = reader_.HasMore();
        const std::string field = reader_.Next();
        ++position_;
        if (!more) {
            lookup_.status = BidLookup::Status::kBadField;
            lookup_.line = reader_.Line();
            lookup_.problem =
                "the record of the key " + std::string(key_) + " ends before its 25 numbers";
            return false;
        }
        if (!common::StartsWithNumber(field)) {
            lookup_.notes.push_back(
                BidFileNote{reader_.Line(), "field " + std::to_string(position_) + " of the key " +
                                                std::string(key_) + " holds no number (\"" + field +
                                                "\") and reads as 0"});
        }
        into = SingleField(field);
        return true;
    }

    void Ignored() {
        reader_.Next();
        ++position_;
    }

  private:
    common::FieldReader& reader_;
    std::string_view key_;
    BidLookup& lookup_;
    int position_ = 0;
};

bool ReadRecord(RecordReader& fields, BidRecord& record) {
    for (float& ea : record.ea) {
        if (!fields.Number(ea)) {
            return false;
        }
    }
    fields.Ignored();
    for (const int j : kPFieldOrder) {
        if (!fields.Number(record.p[j])) {
            return false;
        }
    }
    fields.Ignored();
    for (float& eauh : record.eauh) {
        if (!fields.Number(eauh)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool HasPlainMarker(const std::string& text) {
    common::FieldReader reader(text);
    return reader.HasMore() && reader.Next() == kBidBaseMarker;
}

BidLookup FindBidRecord(const std::string& text, std::string_view tag, std::string_view key) {
    BidLookup lookup;
    common::FieldReader reader(text);
    reader.Next();  // the marker
    if (!reader.SkipTo(tag) || !reader.SkipTo(key)) {
        return lookup;
    }
    RecordReader fields(reader, key, lookup);
    if (ReadRecord(fields, lookup.record)) {
        lookup.status = BidLookup::Status::kFound;
    }
    return lookup;
}

}  // namespace bidai
