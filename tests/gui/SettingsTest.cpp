#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "gui/GuiFixture.h"
#include "gui/dialogs/QtDialogs.h"
#include "gui/dialogs/SettingsDialog.h"
#include "gui/paint/CardPainter.h"
#include "gui/scene/ButtonItem.h"
#include "gui/settings/IniSettingsStore.h"
#include "gui/settings/Preferences.h"
#include "gui/window/GameSession.h"
#include "gui/window/QtTranslations.h"

namespace gui {
namespace {

Preferences EverySettingChanged() {
    Preferences changed;
    changed.speed = GameSpeed::VeryFast;
    changed.language = presentation::BuildLanguage() == presentation::Language::Svenska
                           ? presentation::Language::English
                           : presentation::Language::Svenska;
    changed.deck.four_colours = true;
    changed.deck.back = CardBack::Rings;
    changed.hints_at_start = true;
    changed.opponents = Level::Expert;
    changed.partner = Level::Beginner;
    changed.hints_from = HintSource::Expert;
    return changed;
}

TEST(Preferences, EachSettingRoundTripsThroughTheSettingsFileBesideTheStatistics) {
    const test_support::TempFolder folder;
    common::ScriptedDialogs dialogs;
    IniSettingsStore settings(QString::fromStdString(folder.Folder()), &dialogs);
    settings.RegWriteSetting("user", "Statistic", "TotalVi", "4");
    EXPECT_EQ(LoadPreferences(settings).preferences, Preferences())
        << "nothing stored gives the defaults";

    // One setting at a time, so that a setting written into another's key shows.
    const Preferences all = EverySettingChanged();
    std::vector<Preferences> singles(6);  // speeds and backs alone come below
    singles[0].language = all.language;
    singles[1].deck.four_colours = true;
    singles[2].hints_at_start = true;
    singles[3].opponents = all.opponents;
    singles[4].partner = all.partner;
    singles[5].hints_from = all.hints_from;
    singles.push_back(all);
    for (int back = 0; back < kCardBacks; ++back) {
        singles.emplace_back().deck.back = static_cast<CardBack>(back);
    }
    for (int speed = 0; speed < kGameSpeeds; ++speed) {
        singles.emplace_back().speed = static_cast<GameSpeed>(speed);
    }
    for (int level = 0; level < kLevels; ++level) {
        Preferences& levels = singles.emplace_back();
        levels.opponents = levels.partner = static_cast<Level>(level);
    }
    for (const Preferences& chosen : singles) {
        SavePreferences(settings, chosen);
        const LoadedPreferences loaded = LoadPreferences(settings);
        EXPECT_EQ(loaded.preferences, chosen);
        EXPECT_TRUE(loaded.problems.empty());
    }
    EXPECT_EQ(settings.RegReadSetting("user", "Statistic", "TotalVi", "0"), "4");
    EXPECT_TRUE(QFile::exists(settings.FilePath("user")));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(Preferences, AStoredValueThatIsNoChoiceKeepsTheDefaultAndIsNamed) {
    common::MemorySettingsStore settings;
    settings.RegWriteSetting("user", "Preferences", "Speed", "ludicrous");
    settings.RegWriteSetting("user", "Preferences", "CardBack", "7");
    settings.RegWriteSetting("user", "Preferences", "HintsAtStart", "1");
    const LoadedPreferences loaded = LoadPreferences(settings);
    EXPECT_EQ(loaded.preferences.speed, GameSpeed::Normal);
    EXPECT_EQ(loaded.preferences.deck.back, CardBack::Lattice);
    EXPECT_TRUE(loaded.preferences.hints_at_start) << "the usable value is still taken";
    ASSERT_EQ(loaded.problems.size(), 2u);
    EXPECT_NE(loaded.problems[0].find("ludicrous"), std::string::npos) << loaded.problems[0];
}

// A whole start of the game, as main does it, in a folder that holds the data files.
class SessionStart : public ::testing::Test {
  protected:
    void TearDown() override {
        presentation::SetProgramLanguage(presentation::BuildLanguage());
        CardPainter::SetDeckLook(DeckLook());
    }

    std::unique_ptr<GameSession> Open(LaunchOptions options = {}) {
        folders::FolderPlaces places;
        places.current = folder_.Folder();
        std::string problem;
        auto session = GameSession::Open(
            {options, places, dialogs_, settings_, nullptr, {}, desktop_, ask_}, problem);
        EXPECT_TRUE(session) << problem;
        return session;
    }

    table_test::ProgramFolder folder_;
    common::ScriptedDialogs dialogs_;
    common::MemorySettingsStore settings_;
    QLocale desktop_{QLocale::Swedish, QLocale::Sweden};
    std::function<presentation::Language()> ask_;
};

TEST_F(SessionStart, SettingsApplyAtTheNextStartAndAtOnceAndFivraSpeedOverridesTheSpeed) {
    const Preferences chosen = EverySettingChanged();
    SavePreferences(settings_, chosen);
    const auto session = Open();
    ASSERT_TRUE(session);
    session->Start();
    const bool english = chosen.language == presentation::Language::English;
    const auto* cont = static_cast<LabelItem*>(session->Window().Scene().Item("LblClickVidare"));
    session->Table().MutableCtl().LblClickVidare.Visible = true;
    session->Window().Refresh();
    EXPECT_EQ(cont->Text(), english ? QStringLiteral("Click to proceed...")
                                    : QStringLiteral("Klick för att gå vidare..."));
    const auto* play_log = static_cast<ButtonItem*>(session->Window().Scene().Item("BtnPlaylog"));
    EXPECT_EQ(play_log->Caption(),
              english ? QStringLiteral("Play log") : QStringLiteral("Spela logg"));
    EXPECT_EQ(CardPainter::CurrentDeckLook(), chosen.deck);
    EXPECT_TRUE(session->Table().State().bSuggest) << "hints start switched on";
    EXPECT_DOUBLE_EQ(session->Clock().Speed(), 1.0 / TimerFactor(GameSpeed::VeryFast));
    EXPECT_EQ(TimerFactor(GameSpeed::Normal), 1.0) << "normal is the table's own timing";
    EXPECT_LT(TimerFactor(GameSpeed::VeryFast), TimerFactor(GameSpeed::Fast));

    Preferences changed = session->CurrentPreferences();
    changed.speed = GameSpeed::Slow;
    changed.deck.back = CardBack::Diamonds;
    session->ApplyPreferences(changed);
    EXPECT_DOUBLE_EQ(session->Clock().Speed(), 1.0 / 1.5);
    EXPECT_EQ(CardPainter::CurrentDeckLook().back, CardBack::Diamonds);
    EXPECT_EQ(LoadPreferences(settings_).preferences, changed) << "kept for the next start";

    LaunchOptions options;
    options.speed = 20;
    options.speed_from_environment = true;
    const auto fast = Open(options);
    ASSERT_TRUE(fast);
    EXPECT_DOUBLE_EQ(fast->Clock().Speed(), 20.0) << "FIVRA_SPEED wins over the saved speed";
}

TEST_F(SessionStart, ADesktopInAnotherLanguageIsAskedOnceAndASwedishOneNever) {
    int asked = 0;
    ask_ = [&asked] {
        ++asked;
        return presentation::Language::English;
    };
    ASSERT_TRUE(Open());
    EXPECT_EQ(asked, 0) << "sv_SE starts in Swedish without a question";
    EXPECT_FALSE(LanguageStored(settings_));
    desktop_ = QLocale(QLocale::English, QLocale::UnitedKingdom);
    const auto first = Open();
    ASSERT_TRUE(first);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(first->CurrentPreferences().language, presentation::Language::English);
    desktop_ = QLocale(QLocale::German, QLocale::Germany);
    ASSERT_TRUE(Open());
    EXPECT_EQ(asked, 1) << "the answer is remembered";
}

TEST(SettingsDialog, ShowsTheSettingsAndGivesBackWhatThePlayerSet) {
    const Preferences shown = EverySettingChanged();
    SettingsDialog dialog(shown, true, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    testing::SaveShot("settings", dialog.grab());
    EXPECT_EQ(dialog.Chosen(), shown);
    dialog.findChild<QComboBox*>(QStringLiteral("Speed"))->setCurrentIndex(0);
    dialog.findChild<QCheckBox*>(QStringLiteral("FourColourDeck"))->setChecked(false);
    Preferences expected = shown;
    expected.speed = GameSpeed::Slow;
    expected.deck.four_colours = false;
    EXPECT_EQ(dialog.Chosen(), expected);
}

// Qt's own buttons in Swedish, and the quit question with the critical-message icon, in the box
// the player really sees.
TEST(QtDialogs, TheQuitQuestionHasACriticalIconAndSwedishButtons) {
    ASSERT_TRUE(InstallQtTranslations(presentation::Language::Svenska))
        << "Qt's Swedish translations are installed (qt6-translations-l10n)";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Avbryt"));
    QtDialogs dialogs;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString yes;
    QString no;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        poll.stop();
        icon = box->icon();
        yes = box->button(QMessageBox::Yes)->text();
        no = box->button(QMessageBox::No)->text();
        testing::SaveShot("quit_question", box->grab());
        box->button(QMessageBox::No)->click();
    });
    poll.start(10);
    EXPECT_FALSE(dialogs.AskYesNo("Vill Du faktiskt sluta?", "Fivra", common::AskIcon::Stop));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(yes.remove(QLatin1Char('&')), QStringLiteral("Ja"));
    EXPECT_EQ(no.remove(QLatin1Char('&')), QStringLiteral("Nej"));
}

// The offer to continue a saved game: Enter takes the default, Yes; Escape decides nothing.
TEST(QtDialogs, EnterContinuesTheSavedGameAndEscapeLeavesItForLater) {
    for (const auto& [key, expected] : {std::pair{Qt::Key_Return, common::Answer::Yes},
                                        std::pair{Qt::Key_Escape, common::Answer::Later}}) {
        QtDialogs dialogs;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&, key = key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && box->isVisible()) {
                poll.stop();
                QTest::keyClick(box, key);
            }
        });
        poll.start(10);
        EXPECT_EQ(dialogs.AskYesNoLater("Fortsätta?", "Fivra"), expected) << key;
    }
}

}  // namespace
}  // namespace gui
