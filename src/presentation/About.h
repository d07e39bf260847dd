#pragma once

#include <string>

#include "common/Control.h"
#include "common/Dialogs.h"
#include "common/SettingsStore.h"
#include "presentation/Localisation.h"

// The About box without its window: what it shows, the links it opens and the reset of the
// games-won statistics.
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

// Asks whether the statistics should be reset; on Yes both counts and both labels become
// "0". Returns whether they were reset.
bool ResetStatistics(common::SettingsStore& store, common::Dialogs& dialogs, Language language,
                     common::Control& LblStatisticVi, common::Control& LblStatisticDe);

// Percent-encodes everything but the characters a URL carries unescaped.
std::string PercentEncode(const std::string& text);

}  // namespace presentation
