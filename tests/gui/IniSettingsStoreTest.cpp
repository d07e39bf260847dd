#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include "common/ScriptedDialogs.h"
#include "common/SettingsStore.h"
#include "gui/settings/IniSettingsStore.h"
#include "gui/settings/IniText.h"
#include "gui/window/DataPlaces.h"
#include "persistence/Statistics.h"
#include "support/TempFolder.h"

namespace gui {
namespace {

using test_support::FileText;

class IniSettingsStoreTest : public ::testing::Test {
  protected:
    QString Folder() const { return QString::fromStdString(temp_.Path().string()); }
    QString UserFile() const { return QDir(Folder()).filePath("Fivrastar.ini"); }
    QString LocalFile() const { return QDir(Folder()).filePath("Fivrastar-local.ini"); }

    test_support::TempFolder temp_;
    common::ScriptedDialogs dialogs_;
};

// The store in memory (the simulator's and the tests') keeps the same rules as the file.
TEST_F(IniSettingsStoreTest, ScopesKeepTheirOwnFilesAndEmptyStoresABlank) {
    common::MemorySettingsStore memory;
    IniSettingsStore ini(Folder(), &dialogs_);
    for (common::SettingsStore* store :
         std::initializer_list<common::SettingsStore*>{&memory, &ini}) {
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
    const std::string garbage("garbage\x01\x02 without any key\n");
    temp_.Write("Fivrastar.ini", garbage);
    IniSettingsStore store(Folder(), &dialogs_);

    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "0");
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalDe", "0"), "0");
    ASSERT_EQ(dialogs_.messages.size(), 1u) << "told once, not at every read";
    EXPECT_NE(dialogs_.messages[0].find(UserFile().toStdString()), std::string::npos)
        << dialogs_.messages[0];
    EXPECT_EQ(temp_.Read("Fivrastar.ini"), garbage) << "reading never rewrites the file";

    store.RegWriteSetting("user", "Statistic", "TotalVi", "1");
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "1");
    EXPECT_EQ(temp_.Read("Fivrastar.ini.damaged"), garbage) << "the old contents are kept";
    EXPECT_EQ(dialogs_.messages.size(), 2u);

    // A second damaged file takes the one copy's place: there is never more than one.
    const std::string second("[Statistic\nTotalVi=1\n");
    temp_.Write("Fivrastar.ini", second);
    store.RegWriteSetting("user", "Statistic", "TotalDe", "1");
    EXPECT_EQ(temp_.Read("Fivrastar.ini.damaged"), second);
    EXPECT_NE(dialogs_.messages.back().find(".damaged"), std::string::npos)
        << "the message names the copy that holds the old values";
    EXPECT_EQ(QDir(Folder()).entryList({"*.damaged*"}, QDir::Files).size(), 1);
}

// Keys QSettings reads but cannot write back as they are, a line it cannot read (an unclosed
// section) and a file it cannot read at all: none stops the saves that follow or loses the good
// keys, nor makes more than one copy or message.
TEST_F(IniSettingsStoreTest, OddLinesAndUnreadableFilesNeverStopLaterSaves) {
    for (const std::string odd : {"=1\n", "/=1\n", "a//b=1\n", "[a/]\nk=1\n", "[x]\n\\=2\n",
                                  "[Statistic]\nTotalVi/=9\n", "[broken\nTotalDe=300\n"}) {
        SCOPED_TRACE(odd);
        QDir(Folder()).removeRecursively();
        QDir().mkpath(Folder());
        common::ScriptedDialogs dialogs;
        temp_.Write("Fivrastar.ini", "[Statistic]\nTotalVi=4\n[Preferences]\nLanguage=sv\n" + odd);
        IniSettingsStore store(Folder(), &dialogs);
        for (int game = 5; game <= 7; ++game) {
            store.RegWriteSetting("user", "Statistic", "TotalVi", std::to_string(game));
        }
        IniSettingsStore next_run(Folder(), &dialogs);
        EXPECT_EQ(next_run.RegReadSetting("user", "Statistic", "TotalVi", "0"), "7");
        EXPECT_EQ(next_run.RegReadSetting("user", "Preferences", "Language", ""), "sv");
        EXPECT_EQ(next_run.RegReadSetting("user", "Statistic", "TotalDe", "0"),
                  store.RegReadSetting("user", "Statistic", "TotalDe", "0"));
        EXPECT_EQ(QDir(Folder()).entryList({"*.damaged*"}, QDir::Files),
                  QStringList{"Fivrastar.ini.damaged"});
        ASSERT_EQ(dialogs.messages.size(), 1u) << "only the copy is told";
        EXPECT_NE(dialogs.messages[0].find(UserFile().toStdString()), std::string::npos);
    }
}

// A file that is no settings text at all is never replaced nor read past a size cap.
TEST_F(IniSettingsStoreTest, AFileTooLargeOrNotPlainIsNotUsedNorReplaced) {
    temp_.Write("Fivrastar.ini", std::string(2 * 1024 * 1024, 'x'));
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

TEST_F(IniSettingsStoreTest, AFailedWriteIsToldAndLeavesTheOldFile) {
    IniSettingsStore good(Folder(), &dialogs_);
    good.RegWriteSetting("user", "Statistic", "TotalVi", "5");

    temp_.Write("plain-file", "x");
    IniSettingsStore blocked(QDir(Folder()).filePath("plain-file"), &dialogs_);
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

// The settings store on a full and on a nearly full disk: a small tmpfs mounted for the test
// (where the machine allows it) is filled to the last byte or to one free page.
constexpr long kPage = 4096;

class SmallDisk {
  public:
    SmallDisk() {
        if (!dir_.isValid()) {
            return;
        }
        const QByteArray where = dir_.path().toLocal8Bit();
        mounted_ = ::mount("tmpfs", where.constData(), "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallDisk() {
        if (old_tmpdir_) {
            had_tmpdir_ ? qputenv("TMPDIR", *old_tmpdir_) : qunsetenv("TMPDIR");
        }
        if (mounted_) {
            ::umount2(dir_.path().toLocal8Bit().constData(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    QString Path() const { return dir_.path(); }

    // Makes the disk the temporary folder for as long as it is mounted.
    void HoldTemporaryFolder() {
        had_tmpdir_ = qEnvironmentVariableIsSet("TMPDIR");
        old_tmpdir_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", Path().toLocal8Bit());
    }

    void Fill(long free_bytes) {
        const QByteArray name = QDir(Path()).filePath("filler").toLocal8Bit();
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        const std::string chunk(kPage, 'x');
        long size = 0;
        while (::write(fd, chunk.data(), chunk.size()) == static_cast<ssize_t>(chunk.size())) {
            size += kPage;
        }
        ASSERT_EQ(::ftruncate(fd, size - free_bytes), 0);
        ::close(fd);
    }
    void Empty() { QFile::remove(QDir(Path()).filePath("filler")); }

  private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    bool had_tmpdir_ = false;
    std::optional<QByteArray> old_tmpdir_;
};

#define REQUIRE_SMALL_DISK(disk)                                                \
    if (!(disk).Mounted()) {                                                    \
        GTEST_SKIP() << "a tmpfs cannot be mounted here (needs root); skipped"; \
    }

TEST(IniSettingsFullDiskTest, AFullTemporaryFolderNeitherEmptiesNorHidesTheStatistics) {
    for (const long free_bytes : {0L, kPage}) {
        SCOPED_TRACE("free bytes in the temporary folder: " + std::to_string(free_bytes));
        SmallDisk temp;
        REQUIRE_SMALL_DISK(temp);
        QTemporaryDir settings_folder;
        common::ScriptedDialogs dialogs;
        IniSettingsStore store(settings_folder.path(), &dialogs);
        store.RegWriteSetting("user", "Statistic", "TotalVi", "5");

        temp.Fill(free_bytes);
        temp.HoldTemporaryFolder();
        EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "5");
        EXPECT_EQ(persistence::CountGameWon(store, persistence::Team::Vi), 6);
        EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "6");
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{});
        EXPECT_NE(FileText(store.FilePath("user").toStdString()).find("TotalVi=6"),
                  std::string::npos);
    }
}

// The settings folder on a full or nearly full disk, the temporary folder on the same disk or
// roomy. With a roomy temporary folder the text is put together and checked there, and only
// the save file beside the settings file meets the full disk: a buffered write that failed
// must never be committed.
TEST(IniSettingsFullDiskTest, NoRoomWhereTheFileIsKeepsTheOldFileAndTellsOnce) {
    struct Case {
        long free_bytes;
        bool temporary_on_the_disk;
    };
    for (const Case c : {Case{0L, true}, Case{kPage, true}, Case{0L, false}}) {
        SCOPED_TRACE("free bytes: " + std::to_string(c.free_bytes) +
                     (c.temporary_on_the_disk ? ", temporary folder there too" : ""));
        SmallDisk disk;
        REQUIRE_SMALL_DISK(disk);
        common::ScriptedDialogs dialogs;
        const QString folder = QDir(disk.Path()).filePath("Kolmbra");
        IniSettingsStore store(folder, &dialogs);
        store.RegWriteSetting("user", "Statistic", "TotalVi", "5");
        store.RegWriteSetting("user", "Preferences", "Language", "sv");
        const std::string old_bytes = FileText(store.FilePath("user").toStdString());
        ASSERT_NE(old_bytes.find("Language=sv"), std::string::npos);

        disk.Fill(c.free_bytes);
        if (c.temporary_on_the_disk) {
            disk.HoldTemporaryFolder();
        }
        store.RegWriteSetting("user", "Resume", "Game", std::string(3000, 'r'));
        store.RegWriteSetting("user", "Statistic", "TotalVi", "6");
        const std::string after = FileText(store.FilePath("user").toStdString());
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"Fivrastar.ini"})
            << "no save file is left behind";
        disk.Empty();

        // Either the writes fitted and were checked, or the old file is as it was and the
        // player was told once, by the file's name, that it stays so.
        if (after == old_bytes) {
            ASSERT_EQ(dialogs.messages.size(), 1u);
            EXPECT_NE(dialogs.messages[0].find(store.FilePath("user").toStdString()),
                      std::string::npos)
                << dialogs.messages[0];
            EXPECT_NE(dialogs.messages[0].find("stays as it was"), std::string::npos);
            EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "5");
        } else {
            EXPECT_TRUE(dialogs.messages.empty());
            EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "6");
        }
        EXPECT_EQ(store.RegReadSetting("user", "Preferences", "Language", ""), "sv");
    }
}

TEST(IniSettingsFullDiskTest, AFullDiskIsToldWhenReadingInsteadOfShowingZero) {
    SmallDisk disk;
    REQUIRE_SMALL_DISK(disk);
    common::ScriptedDialogs dialogs;
    IniSettingsStore store(QDir(disk.Path()).filePath("Kolmbra"), &dialogs);
    store.RegWriteSetting("user", "Statistic", "TotalVi", "500");
    disk.Fill(0);
    disk.HoldTemporaryFolder();
    // No room for the copy that is parsed: the player is told the file was not used, and a
    // game won in the meantime does not overwrite the file with a count from zero.
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "0");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("Fivrastar.ini"), std::string::npos);
    store.RegWriteSetting("user", "Statistic", "TotalVi", "1");
    disk.Empty();
    EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "500");
}

}  // namespace
}  // namespace gui
