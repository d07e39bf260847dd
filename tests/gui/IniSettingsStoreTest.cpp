#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "common/ScriptedDialogs.h"
#include "gui/settings/IniSettingsStore.h"
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

TEST_F(IniSettingsStoreTest, FirstStartReadsZeroAndTheFirstWinStoresOne) {
    IniSettingsStore store(Folder(), &dialogs_);
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "0");
    EXPECT_EQ(persistence::CountGameWon(store, persistence::Team::Vi), 1);

    IniSettingsStore next_run(Folder(), &dialogs_);
    EXPECT_EQ(next_run.RegReadSetting("user", "Statistic", "TotalVi", "0"), "1");
    EXPECT_EQ(next_run.RegReadSetting("user", "Statistic", "TotalDe", "0"), "0");
    EXPECT_TRUE(QFile::exists(UserFile()));
    EXPECT_FALSE(QFile::exists(LocalFile())) << "user settings stay in the user file";
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(IniSettingsStoreTest, ScopesKeepTheirOwnFilesAndEmptyStoresABlank) {
    IniSettingsStore store(Folder(), &dialogs_);
    store.RegWriteSetting("user", "Statistic", "Note", "");
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "Note", "x"), " ");

    store.RegWriteSetting("local64", "Statistic", "Debug", "9");
    EXPECT_FALSE(QFile::exists(LocalFile())) << "local64 is never written";
    store.RegWriteSetting("local", "Statistic", "Debug", "3");
    EXPECT_EQ(store.RegReadSetting("local64", "Statistic", "Debug", "0"), "3");
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "Debug", "0"), "0");
    store.RegWriteSetting("user", "Statistic", "Name", "Sakanskola, åäö");
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "Name", ""), "Sakanskola, åäö");
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

    // A second damaged file gets a copy of its own; the first copy stays.
    const QByteArray second("[Statistic\nTotalVi=1\n");
    WriteBytes(UserFile(), second);
    store.RegWriteSetting("user", "Statistic", "TotalDe", "1");
    EXPECT_EQ(FileBytes(UserFile() + ".damaged"), garbage);
    EXPECT_EQ(FileBytes(UserFile() + ".damaged-2"), second);
    EXPECT_NE(dialogs_.messages.back().find(".damaged-2"), std::string::npos)
        << "the message names the copy that holds the old values";
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

}  // namespace
}  // namespace gui
