// The files of an installed game: shipped files that are never written and the player's folder.
#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include "platform/files.h"

namespace kvd {
namespace {

struct TwoRoots : ::testing::Test {
    TwoRoots() : files(shippedDir.path(), UserPath()) {}

    QString UserPath() const { return userDir.path() + QStringLiteral("/korvald"); }
    static void Write(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void Ship(const QString& relative, const QByteArray& bytes) {
        Write(shippedDir.path() + '/' + relative, bytes);
    }
    void Own(const QString& relative, const QByteArray& bytes) {
        Write(UserPath() + '/' + relative, bytes);
    }
    QByteArray Read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray Owned(const QString& relative) const { return Read(UserPath() + '/' + relative); }
    // Every shipped file with its bytes, to show the shipped folder is left as it was.
    QMap<QString, QByteArray> Shipped() const {
        QMap<QString, QByteArray> all;
        QDirIterator it(shippedDir.path(), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            all[path] = Read(path);
        }
        return all;
    }

    QTemporaryDir shippedDir, userDir;
    Files files;
};

TEST_F(TwoRoots, ReadsThePlayersFileFirstAndWritesOnlyThere) {
    Ship("config/last.cfg", "shipped\r\n");
    Ship("config/Uships.cfg", "fleet\r\n");
    const auto before = Shipped();
    EXPECT_TRUE(files.HasUserFolder());
    EXPECT_EQ(files.ProgramFolder(), UserPath() + '/');
    EXPECT_EQ(files.ShippedFolder(), shippedDir.path() + '/');

    // Until the player has one, the shipped file is read, in any letter case.
    QStringList lines;
    ASSERT_TRUE(files.LoadLines("CONFIG\\last.cfg", lines));
    EXPECT_EQ(lines, QStringList{"shipped"});
    EXPECT_TRUE(files.Exists("config\\UShips.cfg"));
    EXPECT_EQ(files.Resolve("config\\UShips.cfg"), shippedDir.path() + "/config/Uships.cfg");
    // A name found nowhere stands for the player's folder, where it would be written.
    EXPECT_EQ(files.Resolve("maps\\NEW.map"), UserPath() + "/maps/NEW.map");

    // The player's folder does not exist yet: the save makes it.
    ASSERT_TRUE(files.SaveLines("config\\last.cfg", {"mine"}));
    EXPECT_EQ(Owned("config/last.cfg"), QByteArray("mine\r\n"));
    ASSERT_TRUE(files.LoadLines("config\\last.cfg", lines));
    EXPECT_EQ(lines, QStringList{"mine"});
    EXPECT_EQ(files.Resolve("config\\last.cfg"), UserPath() + "/config/last.cfg");
    ASSERT_TRUE(files.SaveBytes("ShipLines.txt", "table"));
    EXPECT_EQ(Owned("ShipLines.txt"), QByteArray("table"));
    EXPECT_EQ(Shipped(), before);
}

TEST_F(TwoRoots, WorkingCopiesComeFromEitherFolderAndGoToThePlayers) {
    Ship("config/Uships.cfg", "shipped fleet\r\n");
    Ship("config/english.mes", "001text\r\n");
    Ship("config/message.mes", "an old working copy\r\n");
    Ship("config/last.cfg", "settings\r\n");
    const auto before = Shipped();

    // The game's own sequence: drop the old working copy, then copy the fleet over it.
    EXPECT_TRUE(files.Delete("config\\ships.cfg"));
    ASSERT_TRUE(files.Copy("config\\UShips.cfg", "config\\ships.cfg"));
    EXPECT_EQ(Owned("config/ships.cfg"), QByteArray("shipped fleet\r\n"));
    EXPECT_FALSE(files.Copy("config\\UShips.cfg", "config\\ships.cfg")) << "the target exists";
    EXPECT_TRUE(files.Delete("config\\ships.cfg"));
    EXPECT_FALSE(QFileInfo::exists(UserPath() + "/config/ships.cfg"));

    // A working copy that was shipped is never deleted; the new one hides it.
    EXPECT_TRUE(files.Delete("config\\message.mes"));
    ASSERT_TRUE(files.Copy("config\\english.mes", "config\\message.mes"));
    QStringList lines;
    ASSERT_TRUE(files.LoadLines("config\\message.mes", lines));
    EXPECT_EQ(lines, QStringList{"001text"});

    // Copying a name onto itself makes the player's own copy, once.
    EXPECT_TRUE(files.Copy("config\\last.cfg", "config\\last.cfg"));
    EXPECT_EQ(Owned("config/last.cfg"), QByteArray("settings\r\n"));
    EXPECT_FALSE(files.Copy("config\\last.cfg", "config\\last.cfg"));
    // A copy from nowhere fails and leaves nothing behind.
    EXPECT_FALSE(files.Copy("config\\Xships.cfg", "config\\ships.cfg"));
    EXPECT_FALSE(QFileInfo::exists(UserPath() + "/config/ships.cfg"));

    EXPECT_EQ(Shipped(), before);
}

TEST_F(TwoRoots, ListsTheFilesOfBothFoldersOnce) {
    // The player has no maps folder yet: the shipped maps alone.
    Ship("maps/$CORK.map", "");
    Ship("maps/$MALTA.map", "");
    Ship("maps/readme.txt", "");
    EXPECT_EQ(files.List("maps", "*.MAP"), (QStringList{"$CORK.map", "$MALTA.map"}));

    ASSERT_TRUE(files.SaveLines("maps\\GOZO.map", {"Korvald"}));
    Own("maps/$cork.MAP", "a changed copy");
    EXPECT_EQ(files.List("MAPS", "*.map"), (QStringList{"$cork.MAP", "$MALTA.map", "GOZO.map"}));
    EXPECT_EQ(Read(files.Resolve("maps\\$CORK.map")), QByteArray("a changed copy"));
}

TEST(OneRoot, WritesBesideTheProgramAsBefore) {
    QTemporaryDir dir;
    Files files(dir.path());
    EXPECT_FALSE(files.HasUserFolder());
    EXPECT_EQ(files.ShippedFolder(), files.ProgramFolder());
    // A program folder has its folders; a missing one is not made behind the player's back.
    EXPECT_FALSE(files.SaveLines("maps\\GOZO.map", {"x"}));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/maps"));
    QDir(dir.path()).mkdir("maps");
    EXPECT_TRUE(files.SaveLines("maps\\GOZO.map", {"x"}));
    EXPECT_EQ(files.List("maps", "*.map"), QStringList{"GOZO.map"});
}

TEST(FindFileRoots, ChoosesTheProgramFolderOrTheInstalledDataWithThePlayersFolder) {
    QTemporaryDir dir;
    const QString root = dir.path();
    const QString user = root + "/home/.local/share/korvald";
    const auto yes = [](const QString&) { return true; };
    const auto no = [](const QString&) { return false; };

    // A program folder with its data: itself when it may be written, else the shipped files.
    QDir().mkpath(root + "/game/config");
    FileRoots r = FindFileRoots(root + "/game", user, yes);
    EXPECT_EQ(r.shipped, root + "/game");
    EXPECT_TRUE(r.user.isEmpty());
    r = FindFileRoots(root + "/game/", user, no);
    EXPECT_EQ(r.shipped, root + "/game");
    EXPECT_EQ(r.user, user);

    // Installed: bin/ with share/korvald beside it, the player's folder even when writable.
    QDir().mkpath(root + "/usr/bin");
    QDir().mkpath(root + "/usr/share/korvald/config");
    r = FindFileRoots(root + "/usr/bin", user, yes);
    EXPECT_EQ(r.shipped, root + "/usr/share/korvald");
    EXPECT_EQ(r.user, user);

    // No data anywhere, or no player's folder: the program folder as it is.
    QDir().mkpath(root + "/empty");
    r = FindFileRoots(root + "/empty", user, no);
    EXPECT_EQ(r.shipped, root + "/empty");
    EXPECT_TRUE(r.user.isEmpty());
    r = FindFileRoots(root + "/usr/bin", QString(), yes);
    EXPECT_EQ(r.shipped, root + "/usr/bin");
    EXPECT_TRUE(r.user.isEmpty());
}

TEST(FolderWritable, NeedsAWritableFolderAndConfig) {
    QTemporaryDir dir;
    EXPECT_TRUE(FolderWritable(dir.path()));
    EXPECT_FALSE(FolderWritable(dir.path() + "/missing"));
    QFile file(dir.path() + "/plain");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(FolderWritable(dir.path() + "/plain"));
    EXPECT_FALSE(FolderWritable(dir.path() + "/plain/below"));
    // config/ that is a file cannot hold the settings.
    QDir().mkpath(dir.path() + "/game");
    QFile config(dir.path() + "/game/config");
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.close();
    EXPECT_FALSE(FolderWritable(dir.path() + "/game"));
}

TEST(UserDataFolder, FollowsXdgDataHome) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    const bool had = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
    EXPECT_EQ(UserDataFolder(), dir.path() + "/korvald");
    if (had)
        qputenv("XDG_DATA_HOME", saved);
    else
        qunsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace kvd
