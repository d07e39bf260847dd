#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <array>
#include <chrono>
#include <filesystem>

#include "common/ScriptedDialogs.h"
#include "common/SettingsStore.h"
#include "gui/settings/IniSettingsStore.h"
#include "gui/settings/IniText.h"
#include "gui/window/DataPlaces.h"
#include "persistence/Statistics.h"

namespace gui {
namespace {

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class IniSettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString Folder() const { return dir_.path(); }
    QString UserFile() const { return QDir(dir_.path()).filePath("Fivrastar.ini"); }
    QString LocalFile() const { return QDir(dir_.path()).filePath("Fivrastar-local.ini"); }

    QTemporaryDir dir_;
    common::ScriptedDialogs dialogs_;
};

// The store in memory (the simulator's and the tests') keeps the same rules as the file.
TEST_F(IniSettingsStoreTest, ScopesKeepTheirOwnFilesAndEmptyStoresABlank) {
    common::MemorySettingsStore memory;
    IniSettingsStore ini(Folder(), &dialogs_);
    const std::array<common::SettingsStore*, 2> stores = {&memory, &ini};
    for (common::SettingsStore* store : stores) {
        store->RegWriteSetting("user", "Statistic", "Note", "");
        EXPECT_EQ(store->RegReadSetting("user", "Statistic", "Note", "x"), " ");
        store->RegWriteSetting("local64", "Statistic", "Debug", "9");
        EXPECT_FALSE(QFile::exists(LocalFile())) << "local64 is never written";
        store->RegWriteSetting("local", "Statistic", "Debug", "3");
        store->RegWriteSetting("local64", "Statistic", "Debug", "9");
        EXPECT_EQ(store->RegReadSetting("local64", "Statistic", "Debug", "0"), "3");
        EXPECT_EQ(store->RegReadSetting("user", "Statistic", "Debug", "0"), "0");
        store->RegWriteSetting("user", "Statistic", "Name", "Sakanskola, åäö");
        EXPECT_EQ(store->RegReadSetting("user", "Statistic", "Name", ""), "Sakanskola, åäö");
    }
}

TEST_F(IniSettingsStoreTest, NumberValuesStoredByAnotherToolReadAsDecimalText) {
    {
        QSettings other_tool(UserFile(), QSettings::IniFormat);
        other_tool.setValue("Statistic/TotalVi", 42);
        other_tool.setValue("Statistic/TotalDe", QVariant::fromValue<qint16>(-7));
    }
    IniSettingsStore store(Folder(), &dialogs_);
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "42");
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalDe", "0"), "-7");
    EXPECT_EQ(persistence::CountGameWon(store, persistence::Team::Vi), 43);
}

TEST_F(IniSettingsStoreTest, QuickRewritesOfTheSameLengthAreNeverReadStale) {
    IniSettingsStore store(Folder(), &dialogs_);
    for (int i = 0; i < 40; ++i) {
        const std::string value = std::to_string(i % 10);
        store.RegWriteSetting("user", "Statistic", "TotalDe", value);
        ASSERT_EQ(store.RegReadSetting("user", "Statistic", "TotalDe", "?"), value)
            << "write " << i;
    }
}

TEST_F(IniSettingsStoreTest, CorruptFileReadsAsDefaultsAndIsKeptUntilTheNextWrite) {
    const QByteArray garbage("garbage\x01\x02 without any key\n");
    WriteBytes(UserFile(), garbage);
    IniSettingsStore store(Folder(), &dialogs_);

    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "0");
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalDe", "0"), "0");
    ASSERT_EQ(dialogs_.messages.size(), 1u) << "told once, not at every read";
    EXPECT_NE(dialogs_.messages[0].find(UserFile().toStdString()), std::string::npos)
        << dialogs_.messages[0];
    EXPECT_EQ(FileBytes(UserFile()), garbage) << "reading never rewrites the file";

    store.RegWriteSetting("user", "Statistic", "TotalVi", "1");
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "1");
    EXPECT_EQ(FileBytes(UserFile() + ".damaged"), garbage) << "the old contents are kept";
    EXPECT_EQ(dialogs_.messages.size(), 2u);

    // A second damaged file takes the one copy's place: there is never more than one.
    const QByteArray second("[Statistic\nTotalVi=1\n");
    WriteBytes(UserFile(), second);
    store.RegWriteSetting("user", "Statistic", "TotalDe", "1");
    EXPECT_EQ(FileBytes(UserFile() + ".damaged"), second);
    EXPECT_NE(dialogs_.messages.back().find(".damaged"), std::string::npos)
        << "the message names the copy that holds the old values";
    EXPECT_EQ(QDir(Folder()).entryList({"*.damaged*"}, QDir::Files).size(), 1);
}

// Keys QSettings reads but cannot write back as they are, and a file it cannot read at all:
// neither stops the saves that follow, nor makes more than one copy or message.
TEST_F(IniSettingsStoreTest, OddLinesAndUnreadableFilesNeverStopLaterSaves) {
    for (const QByteArray& odd : {QByteArray("=1\n"), QByteArray("/=1\n"), QByteArray("a//b=1\n"),
                                  QByteArray("[a/]\nk=1\n"), QByteArray("[x]\n\\=2\n"),
                                  QByteArray("[Statistic]\nTotalVi/=9\n")}) {
        SCOPED_TRACE(odd.toStdString());
        QDir(Folder()).removeRecursively();
        QDir().mkpath(Folder());
        common::ScriptedDialogs dialogs;
        WriteBytes(UserFile(), "[Statistic]\nTotalVi=4\n[Preferences]\nLanguage=sv\n" + odd);
        IniSettingsStore store(Folder(), &dialogs);
        for (int game = 5; game <= 7; ++game) {
            store.RegWriteSetting("user", "Statistic", "TotalVi", std::to_string(game));
        }
        IniSettingsStore next_run(Folder(), &dialogs);
        EXPECT_EQ(next_run.RegReadSetting("user", "Statistic", "TotalVi", "0"), "7");
        EXPECT_EQ(next_run.RegReadSetting("user", "Preferences", "Language", ""), "sv");
        EXPECT_EQ(QDir(Folder()).entryList({"*.damaged*"}, QDir::Files),
                  QStringList{"Fivrastar.ini.damaged"});
        EXPECT_EQ(dialogs.messages.size(), 1u) << "only the copy is told";
    }
}

// A file that is no settings text at all is never replaced nor read past a size cap.
TEST_F(IniSettingsStoreTest, AFileTooLargeOrNotPlainIsNotUsedNorReplaced) {
    WriteBytes(UserFile(), QByteArray(2 * 1024 * 1024, 'x'));
    IniSettingsStore store(Folder(), &dialogs_);
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "0");
    store.RegWriteSetting("user", "Statistic", "TotalVi", "1");
    store.RegWriteSetting("user", "Statistic", "TotalDe", "1");
    EXPECT_EQ(QFileInfo(UserFile()).size(), 2 * 1024 * 1024);
    ASSERT_EQ(dialogs_.messages.size(), 2u) << "told once on reading and once on writing";
    EXPECT_NE(dialogs_.messages[0].find("larger than"), std::string::npos);

    QFile::remove(UserFile());
    ASSERT_TRUE(QFile::link("/dev/zero", UserFile()));
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "0");
    store.RegWriteSetting("user", "Statistic", "TotalVi", "1");
    EXPECT_TRUE(QFileInfo(UserFile()).isSymLink());
    EXPECT_NE(dialogs_.messages.back().find("not a plain file"), std::string::npos);
}

TEST_F(IniSettingsStoreTest, TheGoodKeysOfAFileWithABadLineAreKept) {
    WriteBytes(UserFile(), "[Statistic]\nTotalVi=500\n[broken\nTotalDe=300\n");
    IniSettingsStore store(Folder(), &dialogs_);
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "500");
    ASSERT_EQ(dialogs_.messages.size(), 1u) << "the bad line is told once";
    EXPECT_NE(dialogs_.messages[0].find(UserFile().toStdString()), std::string::npos);

    EXPECT_EQ(persistence::CountGameWon(store, persistence::Team::Vi), 501);
    EXPECT_TRUE(QFile::exists(UserFile() + ".damaged"));
    IniSettingsStore next_run(Folder(), &dialogs_);
    EXPECT_EQ(next_run.RegReadSetting("user", "Statistic", "TotalVi", "0"), "501");
    const std::size_t told = dialogs_.messages.size();
    EXPECT_EQ(next_run.RegReadSetting("user", "Statistic", "TotalDe", "0"),
              store.RegReadSetting("user", "Statistic", "TotalDe", "0"));
    EXPECT_EQ(dialogs_.messages.size(), told) << "the rewritten file reads clean";
}

TEST_F(IniSettingsStoreTest, AFailedWriteIsToldAndLeavesTheOldFile) {
    IniSettingsStore good(Folder(), &dialogs_);
    good.RegWriteSetting("user", "Statistic", "TotalVi", "5");

    const QString not_a_folder = QDir(Folder()).filePath("plain-file");
    WriteBytes(not_a_folder, "x");
    IniSettingsStore blocked(not_a_folder, &dialogs_);
    blocked.RegWriteSetting("user", "Statistic", "TotalVi", "6");
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_NE(dialogs_.messages[0].find("could not be written"), std::string::npos);
    EXPECT_EQ(blocked.RegReadSetting("user", "Statistic", "TotalVi", "0"), "0");
    EXPECT_EQ(good.RegReadSetting("user", "Statistic", "TotalVi", "0"), "5");
}

// Scratch folders a killed game left are removed at the next start; a fresh one (another
// copy's write under way) stays. A relative base folder is ignored.
TEST_F(IniSettingsStoreTest, LeftScratchFoldersGoAndRelativeBaseFoldersAreIgnored) {
    QDir folder(Folder());
    ASSERT_TRUE(folder.mkpath("fivrastar-AbC123/x") && folder.mkpath("fivrastar-Fresh1"));
    const std::filesystem::path left = folder.filePath("fivrastar-AbC123").toStdString();
    std::filesystem::last_write_time(
        left, std::filesystem::last_write_time(left) - std::chrono::hours(24));
    RemoveLeftScratch({Folder()});
    EXPECT_FALSE(folder.exists("fivrastar-AbC123"));
    EXPECT_TRUE(folder.exists("fivrastar-Fresh1"));

    qputenv("XDG_CONFIG_HOME", "relative/config");
    IgnoreRelativeBaseFolders();
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"));
    EXPECT_TRUE(QDir::isAbsolutePath(IniSettingsStore::DefaultFolder()));
}

}  // namespace
}  // namespace gui
