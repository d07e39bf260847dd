#include <gtest/gtest.h>

#include "presentation/About.h"
#include "presentation/Localisation.h"

namespace presentation {
namespace {

// Addresses a build may be given; the texts of the Parts name them.
const Addresses kExample{"https://fivrastar.example.com", "support@fivrastar.example.com"};

TEST(Localisation, EachLanguageTakesItsOwnColumn) {
    const Texts sv = LoadTexts(Language::Svenska, kExample);
    EXPECT_EQ(sv.quit_question, "Vill Du faktiskt sluta?");
    EXPECT_EQ(sv.too_many_cards, "har mera än 6 kort");
    EXPECT_EQ(sv.not_in_play, "KORT INTE I SPEL");
    EXPECT_EQ(sv.confirmation, "Är du saker?");
    EXPECT_EQ(sv.click_to_proceed, "Klick för att gå vidare...");
    EXPECT_EQ(sv.replay, "Omspel ...");
    EXPECT_EQ(sv.disabled, "inte aktiv");
    EXPECT_EQ(sv.news_line, "Kolla https://fivrastar.example.com för nyheter och uppdateringar.");
    EXPECT_EQ(sv.about_title, "Om Fivrastar");
    EXPECT_EQ(sv.about_information,
              "Understöd din egen sakanskola med en liten donation. Så många stackare har redan "
              "sakat ihjäl sig.\r\rFörbättringsförslag till support@fivrastar.example.com");
    EXPECT_EQ(sv.reset_caption, "Nolla statistiken");
    EXPECT_EQ(sv.about_rights, AboutRights(Language::Svenska));
    EXPECT_EQ(sv.team_vi, "Vi");
    EXPECT_EQ(sv.team_de, "De");
    EXPECT_NE(sv.about_rights.find("MIT"), std::string::npos) << "the About box names the licence";
    EXPECT_NE(sv.about_rights.find("/LICENSE)"), std::string::npos) << "and says where it lies";

    const Texts en = LoadTexts(Language::English, kExample);
    EXPECT_EQ(en.quit_question, "Do you really want to quit?");
    EXPECT_EQ(en.too_many_cards, "has more than 6 cards");
    EXPECT_EQ(en.not_in_play, "CARDS NOT IN PLAY");
    EXPECT_EQ(en.confirmation, "Are you sure?");
    EXPECT_EQ(en.click_to_proceed, "Click to proceed...");
    EXPECT_EQ(en.replay, "Replay ...");
    EXPECT_EQ(en.disabled, "Disabled");
    EXPECT_EQ(en.news_line,
              "Like this game? Check https://fivrastar.example.com for updates and news.");
    EXPECT_EQ(en.about_title, "About Fivrastar");
    EXPECT_EQ(en.about_information, "Contact:\rsupport@fivrastar.example.com\rfor support");
    EXPECT_EQ(en.reset_caption, "Reset Statistics");
    EXPECT_NE(en.about_rights, sv.about_rights);
    EXPECT_FALSE(en.about_rights.empty());
    EXPECT_EQ(en.team_vi, "We");
    EXPECT_EQ(en.team_de, "They");
}

TEST(Localisation, SeatNamesAndAboutBoxFollowTheLanguage) {
    EXPECT_EQ(SeatDisplayName(0, Language::Svenska), "Du");
    EXPECT_EQ(SeatDisplayName(0, Language::English), "You");
    for (int seat = 1; seat < 4; ++seat) {
        EXPECT_NE(SeatDisplayName(seat, Language::Svenska), "") << "seat " << seat;
        EXPECT_NE(SeatDisplayName(seat, Language::Svenska), SeatDisplayName(0, Language::Svenska));
    }
    EXPECT_EQ(SeatDisplayName(4, Language::English), "");
    EXPECT_EQ(SeatDisplayName(-1, Language::Svenska), "");

    const AboutContents about = AboutFormLoad(Language::English, kExample);
    EXPECT_EQ(about.product_label, "Fivrastar 2.5");
    EXPECT_EQ(about.caption, "About Fivrastar");
    EXPECT_EQ(about.reset_caption, "Reset Statistics");
    EXPECT_EQ(about.mail_label, "mailto: support@fivrastar.example.com");
    EXPECT_EQ(about.web_label, "https://fivrastar.example.com");
}

TEST(Localisation, WithoutAddressesNothingNamesOrLinksAPlaceholder) {
    EXPECT_EQ(WindowTitle(kExample), "Fivrastar 2.5 --- https://fivrastar.example.com");
    const Addresses none;
    EXPECT_EQ(WindowTitle(none), "Fivrastar 2.5") << "the product label alone";
    for (const Language language : {Language::Svenska, Language::English}) {
        const Texts texts = LoadTexts(language, none);
        EXPECT_FALSE(texts.news_line.empty());
        EXPECT_EQ(texts.news_line.find("http"), std::string::npos) << texts.news_line;
        EXPECT_EQ(texts.news_line.find("  "), std::string::npos) << "no gap where a link was";
        EXPECT_EQ(texts.about_information.find('@'), std::string::npos);
        const AboutContents about = AboutFormLoad(language, none);
        EXPECT_TRUE(about.web_label.empty()) << "the About box hides the web link";
        EXPECT_TRUE(about.mail_label.empty()) << "the About box hides the mail link";
    }
}

TEST(Localisation, BuiltInSwedishUnlessChosenOtherwise) {
#ifndef FIVRA_TEST_EXPECT_ENGLISH
    EXPECT_EQ(BuildLanguage(), Language::Svenska);
#else
    EXPECT_EQ(BuildLanguage(), Language::English);
#endif
}

}  // namespace
}  // namespace presentation
