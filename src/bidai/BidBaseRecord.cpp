#include "bidai/BidBaseRecord.h"

#include <algorithm>

#include "bidai/NumberField.h"
#include "common/FieldReader.h"

namespace bidai {

namespace {

constexpr std::size_t kNone = std::string_view::npos;
constexpr const char* kUnclosedQuote =
    "a quote opened here is never closed, so the rest of the file reads as one field";

// Reads the record's fields after its key; false (with the lookup's problem set) when the file
// ends first. The reader starts `offset` bytes into the text.
class RecordReader {
  public:
    RecordReader(std::string_view text, std::size_t offset, std::string_view key, BidLookup& lookup)
        : text_(text), offset_(offset), reader_(text.substr(offset)), key_(key), lookup_(lookup) {}

    bool Number(float& into) {
        const bool more = reader_.HasMore();
        const std::string_view field = reader_.Next();
        ++position_;
        if (reader_.UnclosedQuoteLine() > 0) {
            lookup_.status = BidLookup::Status::kBadField;
            lookup_.line = LinesBefore() + reader_.UnclosedQuoteLine();
            lookup_.problem = kUnclosedQuote;
            return false;
        }
        if (!more) {
            lookup_.status = BidLookup::Status::kBadField;
            lookup_.line = Line();
            lookup_.problem =
                "the record of the key " + std::string(key_) + " ends before its 25 numbers";
            return false;
        }
        if (!common::StartsWithNumber(field)) {
            lookup_.notes.push_back(BidFileNote{
                Line(), "field " + std::to_string(position_) + " of the key " + std::string(key_) +
                            " holds no number (\"" + std::string(field) + "\") and reads as 0"});
        }
        into = SingleField(field);
        return true;
    }

    void Ignored() {
        reader_.Next();
        ++position_;
    }

  private:
    // The line in the whole text of the field read last; counted only when a note needs it.
    int Line() const { return LinesBefore() + reader_.Line(); }
    int LinesBefore() const {
        return static_cast<int>(std::count(text_.begin(), text_.begin() + offset_, '\n'));
    }

    std::string_view text_;
    std::size_t offset_;
    common::FieldReader reader_;
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

BidLookup ReadRecordAt(std::string_view text, std::size_t offset, std::string_view key) {
    BidLookup lookup;
    if (offset == kNone) {
        return lookup;
    }
    RecordReader fields(text, offset, key, lookup);
    if (ReadRecord(fields, lookup.record)) {
        lookup.status = BidLookup::Status::kFound;
    }
    return lookup;
}

bool IsDelimiter(char c) {
    return c == ',' || c == '\n';
}

// Where the field that starts at `at` (blanks and line ends before it skipped) ends: at its
// comma, its line end or the end of the text. Only for text without quoted fields.
std::size_t FieldEnd(std::string_view text, std::size_t at) {
    const std::size_t comma = text.find(',', at);
    const std::size_t line_end = text.find('\n', at);
    return std::min(comma, line_end) == kNone ? text.size() : std::min(comma, line_end);
}

// The delimiter after the first whole field equal to `field` that starts at or after `from`,
// or kNone. A whole field is the text between two delimiters with its blanks dropped, so a
// match must have only blanks between it and a delimiter (or the text's edge) on both sides.
std::size_t FindWholeField(std::string_view text, std::size_t from, std::string_view field) {
    for (std::size_t at = text.find(field, from); at != kNone; at = text.find(field, at + 1)) {
        std::size_t before = at;
        while (before > 0 && common::IsFieldBlank(text[before - 1])) {
            --before;
        }
        if (before > 0 && !IsDelimiter(text[before - 1])) {
            continue;
        }
        std::size_t after = at + field.size();
        while (after < text.size() && common::IsFieldBlank(text[after])) {
            ++after;
        }
        if (after == text.size() || IsDelimiter(text[after])) {
            return after;
        }
    }
    return kNone;
}

// A field that the byte search can find the way the field stream reads it: not empty, no
// blanks at its edges, no delimiter or quote inside.
bool SearchableField(std::string_view field) {
    return !field.empty() && !common::IsFieldBlank(field.front()) &&
           !common::IsFieldBlank(field.back()) && field.find_first_of(",\n\"") == kNone;
}

// Where the record after the key starts, searched in the bytes: past the marker (the first
// field), to the tag, then on to the key.
std::size_t KeyEndInBytes(std::string_view text, std::string_view tag, std::string_view key) {
    std::size_t first = 0;
    while (first < text.size() && (common::IsFieldBlank(text[first]) || text[first] == '\n')) {
        ++first;
    }
    const std::size_t marker_end = FieldEnd(text, first);
    const std::size_t tag_end = FindWholeField(text, std::min(marker_end + 1, text.size()), tag);
    if (tag_end == kNone) {
        return kNone;
    }
    const std::size_t key_end = FindWholeField(text, tag_end, key);
    return key_end == kNone ? kNone : std::min(key_end + 1, text.size());
}

}  // namespace

bool HasPlainMarker(std::string_view text) {
    common::FieldReader reader(text);
    return reader.HasMore() && reader.Next() == kBidBaseMarker;
}

BidBaseText::BidBaseText(std::string_view text_in)
    : text(text_in), quoted(text_in.find('"') != kNone) {}

BidLookup FindBidRecord(const BidBaseText& base, std::string_view tag, std::string_view key) {
    if (base.quoted || !SearchableField(tag) || !SearchableField(key)) {
        return FindBidRecordByFields(base.text, tag, key);
    }
    return ReadRecordAt(base.text, KeyEndInBytes(base.text, tag, key), key);
}

BidLookup FindBidRecord(std::string_view text, std::string_view tag, std::string_view key) {
    return FindBidRecord(BidBaseText(text), tag, key);
}

BidLookup FindBidRecordByFields(std::string_view text, std::string_view tag, std::string_view key) {
    common::FieldReader reader(text);
    reader.Next();  // the marker
    if (!reader.SkipTo(tag) || !reader.SkipTo(key)) {
        BidLookup lookup;
        if (reader.UnclosedQuoteLine() > 0) {
            lookup.status = BidLookup::Status::kBadField;
            lookup.line = reader.UnclosedQuoteLine();
            lookup.problem = kUnclosedQuote;
        }
        return lookup;
    }
    return ReadRecordAt(text, reader.Position(), key);
}

}  // namespace bidai
