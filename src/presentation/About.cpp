#include "presentation/About.h"

#include <vector>

#include "common/FieldReader.h"

namespace presentation {

namespace {

constexpr const char* kReferralFile = "Referal.txt";
constexpr const char* kPageNumber = "230";

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.' || c == '~';
}

std::string InFolder(const std::string& folder, const std::string& file) {
    if (folder.empty() || folder.back() == '/' || folder.back() == '\\') {
        return folder + file;
    }
    return folder + "/" + file;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string Query(const std::string& user, const std::string& tag) {
    return std::string("?p=") + kPageNumber + "&u=" + PercentEncode(user) +
           "&t=" + PercentEncode(tag);
}

}  // namespace

std::string PercentEncode(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsUnreserved(c)) {
            encoded += ch;
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 0x0F];
        }
    }
    return encoded;
}

AboutContents AboutFormLoad(Language language, const Addresses& addresses) {
    AboutContents about;
    about.product_label = std::string(kProductLabel);
    about.caption = AboutTitle(language);
    about.information = AboutInformation(language, addresses);
    about.rights = AboutRights(language);
    about.reset_caption = ResetStatisticsCaption(language);
    about.web_label = addresses.web;
    if (!addresses.support.empty()) {
        about.mail_label = "mailto: " + addresses.support;
    }
    return about;
}

std::string MailtoLink(const Addresses& addresses) {
    const std::string product(kProductLabel);
    return "mailto:" + addresses.support + "?subject=" + PercentEncode(product) +
           "&body=" + PercentEncode("RE: " + product);
}

std::string WebLink(const std::string& folder, const Addresses& addresses) {
    std::string query = Query("1", "1");
    if (const auto text = common::ReadWholeFile(InFolder(folder, kReferralFile))) {
        const std::vector<std::string> lines = common::SplitLines(*text);
        if (lines.size() >= 2 && !Trimmed(lines[0]).empty() && !Trimmed(lines[1]).empty()) {
            query = Query(Trimmed(lines[0]), Trimmed(lines[1]));
        }
    }
    // The slash keeps the query on the site's front page for every URL handler.
    return addresses.web + "/" + query;
}

}  // namespace presentation
