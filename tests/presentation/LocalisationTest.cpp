#include <gtest/gtest.h>

#include <tuple>

#include "presentation/About.h"
#include "presentation/Localisation.h"

namespace presentation {
namespace {

// Addresses a build may be given; the texts of the Parts name them.
const Addresses kExample{"https://fivrastar.example.com", "support@fivrastar.example.com"};

TEST(Localisation, EachLanguageTakesItsOwnColumn) {
    const Texts sv = LoadTexts(Language::Svenska, kExample);
    const Texts en = LoadTexts(Language::English, kExample);
    const struct {
        std::string Texts::*text;
        const char* svenska;
        const char* english;
    } columns[] = {
        {&Texts::quit_question, "Vill Du faktiskt sluta?", "Do you really want to quit?"},
        {&Texts::too_many_cards, "har mera än 6 kort", "has more than 6 cards"},
        {&Texts::not_in_play, "KORT INTE I SPEL", "CARDS NOT IN PLAY"},
        {&Texts::confirmation, "Är du saker?", "Are you sure?"},
        {&Texts::click_to_proceed, "Klick för att gå vidare...", "Click to proceed..."},
        {&Texts::replay, "Omspel ...", "Replay ..."},
        {&Texts::disabled, "inte aktiv", "Disabled"},
        {&Texts::news_line, "Kolla https://fivrastar.example.com för nyheter och uppdateringar.",
         "Like this game? Check https://fivrastar.example.com for updates and news."},
        {&Texts::about_title, "Om Fivrastar", "About Fivrastar"},
        {&Texts::about_information,
         "Understöd din egen sakanskola med en liten donation. Så många stackare har redan "
         "sakat ihjäl sig.\r\rFörbättringsförslag till support@fivrastar.example.com",
         "Contact:\rsupport@fivrastar.example.com\rfor support"},
        {&Texts::reset_caption, "Nolla statistiken", "Reset Statistics"},
        {&Texts::team_vi, "Vi", "We"},
        {&Texts::team_de, "De", "They"},
    };
    for (const auto& c : columns) {
        EXPECT_EQ(sv.*c.text, c.svenska);
        EXPECT_EQ(en.*c.text, c.english);
    }
    EXPECT_EQ(sv.about_rights, AboutRights(Language::Svenska));
    EXPECT_NE(sv.about_rights.find("MIT"), std::string::npos) << "the About box names the licence";
    EXPECT_NE(sv.about_rights.find("/LICENSE)"), std::string::npos) << "and says where it lies";
    EXPECT_NE(en.about_rights, sv.about_rights);
    EXPECT_FALSE(en.about_rights.empty());
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
    EXPECT_EQ(
        std::tie(about.product_label, about.caption, about.reset_caption, about.mail_label,
                 about.web_label),
        std::make_tuple("Fivrastar 2.5", "About Fivrastar", "Reset Statistics",
                        "mailto: support@fivrastar.example.com", "https://fivrastar.example.com"));
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
