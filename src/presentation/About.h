#pragma once

#include <string>

#include "presentation/Localisation.h"

// The About box without its window: what it shows and the links it opens.
namespace presentation {

struct AboutContents {
    std::string product_label;
    std::string caption;
    std::string information;
    std::string rights;
    std::string reset_caption;
    std::string web_label;
    std::string mail_label;
};

// What the box shows when it opens. Without a web or support address its label is empty and
// the box hides that link.
AboutContents AboutFormLoad(Language language, const Addresses& addresses = BuildAddresses());

// The support mail link with the product as subject and body, percent-encoded so that a
// desktop mail handler takes it.
std::string MailtoLink(const Addresses& addresses = BuildAddresses());

// The product's web page with the referral query. The first two lines of "Referal.txt" in
// `folder` name the referrer; without them the fixed query is used.
std::string WebLink(const std::string& folder, const Addresses& addresses = BuildAddresses());

// Percent-encodes everything but the characters a URL carries unescaped.
std::string PercentEncode(const std::string& text);

}  // namespace presentation
