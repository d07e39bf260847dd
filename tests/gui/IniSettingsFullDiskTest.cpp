#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include "common/ScriptedDialogs.h"
#include "gui/settings/IniSettingsStore.h"
#include "persistence/Statistics.h"

// The settings store on a full and on a nearly full disk: a small tmpfs mounted for the test
// (where the machine allows it) is filled to the last byte or to one free page.
namespace gui {
namespace {

constexpr long kPage = 4096;

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
        if (mounted_) {
            ::umount2(dir_.path().toLocal8Bit().constData(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    QString Path() const { return dir_.path(); }

    // Fills the disk with a filler file until `free_bytes` are left.
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
};

// Points the temporary folder somewhere else for the life of the guard.
class TemporaryFolderAt {
  public:
    explicit TemporaryFolderAt(const QString& path)
        : had_(qEnvironmentVariableIsSet("TMPDIR")), old_(qgetenv("TMPDIR")) {
        qputenv("TMPDIR", path.toLocal8Bit());
    }
    ~TemporaryFolderAt() { had_ ? qputenv("TMPDIR", old_) : qunsetenv("TMPDIR"); }
    TemporaryFolderAt(const TemporaryFolderAt&) = delete;
    TemporaryFolderAt& operator=(const TemporaryFolderAt&) = delete;

  private:
    const bool had_;
    const QByteArray old_;
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
        const TemporaryFolderAt moved(temp.Path());
        EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "5");
        EXPECT_EQ(persistence::CountGameWon(store, persistence::Team::Vi), 6);
        EXPECT_EQ(store.RegReadSetting("user", "Statistic", "TotalVi", "0"), "6");
        EXPECT_TRUE(dialogs.messages.empty())
            << (dialogs.messages.empty() ? "" : dialogs.messages.front());
        EXPECT_TRUE(FileBytes(store.FilePath("user")).contains("TotalVi=6"));
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
        const QByteArray old_bytes = FileBytes(store.FilePath("user"));
        ASSERT_TRUE(old_bytes.contains("Language=sv"));

        disk.Fill(c.free_bytes);
        std::optional<TemporaryFolderAt> moved;
        if (c.temporary_on_the_disk) {
            moved.emplace(disk.Path());
        }
        store.RegWriteSetting("user", "Resume", "Game", std::string(3000, 'r'));
        store.RegWriteSetting("user", "Statistic", "TotalVi", "6");
        const QByteArray after = FileBytes(store.FilePath("user"));
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
    const TemporaryFolderAt moved(disk.Path());
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
