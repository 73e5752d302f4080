#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <QDir>
#include <QFile>

#include "tests/support/test_platform.h"

using kvd::test::TestPlatform;

TEST(Files, BackslashNamesResolveIgnoringCaseOfEachComponent) {
    TestPlatform t;
    t.WriteFile("Config/Uships.cfg", "x");
    kvd::Files& files = t.Folder();
    EXPECT_TRUE(files.Exists("config\\UShips.cfg"));
    EXPECT_TRUE(files.Exists("CONFIG\\uships.CFG"));
    EXPECT_EQ(files.Resolve("config\\UShips.cfg"), t.Path("Config/Uships.cfg"));
    // A missing file keeps the letters as written, below the part that exists.
    EXPECT_EQ(files.Resolve("config\\New\\Map.map"), t.Path("Config/New/Map.map"));
    EXPECT_FALSE(files.Exists("config\\JShips.cfg"));
    // A folder is not a file.
    EXPECT_FALSE(files.Exists("config"));
}

TEST(Files, LoadsLinesWithAnyLineEnd) {
    TestPlatform t;
    t.WriteFile("a.txt", "one\r\ntwo\nthree\rfour\r\n");
    t.WriteFile("b.txt", "last line without end");
    t.WriteFile("c.txt", "\r\n\r\n");
    t.WriteFile("d.txt", "");
    QStringList lines;
    ASSERT_TRUE(t.Folder().LoadLines("a.txt", lines));
    EXPECT_EQ(lines, (QStringList{"one", "two", "three", "four"}));
    ASSERT_TRUE(t.Folder().LoadLines("b.txt", lines));
    EXPECT_EQ(lines, QStringList{"last line without end"});
    ASSERT_TRUE(t.Folder().LoadLines("c.txt", lines));
    EXPECT_EQ(lines, (QStringList{"", ""}));
    ASSERT_TRUE(t.Folder().LoadLines("d.txt", lines));
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_FALSE(t.Folder().LoadLines("missing.txt", lines));
    EXPECT_TRUE(lines.isEmpty());
}

TEST(Files, KeepsBlanksAndReadsUtf8OrLatin1) {
    TestPlatform t;
    t.WriteFile("de.mes",
                "\xEF\xBB\xBF"
                "001Zerst\xC3\xB6rer  \r\n");
    t.WriteFile("old.mes", "001Zerst\xF6rer\r\n");  // Latin-1, as an old editor saves it
    QStringList lines;
    ASSERT_TRUE(t.Folder().LoadLines("de.mes", lines));
    EXPECT_EQ(lines, QStringList{QString::fromUtf8("001Zerstörer  ")});
    ASSERT_TRUE(t.Folder().LoadLines("old.mes", lines));
    EXPECT_EQ(lines, QStringList{QString::fromUtf8("001Zerstörer")});
}

TEST(Files, SavesWithCrLfAndRoundTrips) {
    TestPlatform t;
    QDir().mkpath(t.Path("config"));
    const QStringList lines{"first", "  padded  ", "", QString::fromUtf8("Übung")};
    ASSERT_TRUE(t.Folder().SaveLines("config\\last.cfg", lines));
    EXPECT_EQ(t.ReadFile("config/last.cfg"), QByteArray("first\r\n  padded  \r\n\r\n\xC3\x9C"
                                                        "bung\r\n"));
    QStringList back;
    ASSERT_TRUE(t.Folder().LoadLines("config\\LAST.cfg", back));
    EXPECT_EQ(back, lines);
}

TEST(Files, FailedSaveLeavesTheOldFileWhole) {
    TestPlatform t;
    t.WriteFile("config/last.cfg", "old\r\n");
    // A disk that fills up after 16 bytes: the write fails part way.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 16;
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool ok =
        t.Folder().SaveLines("config\\last.cfg", QStringList(20, "a long settings line"));
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(ok);
    EXPECT_EQ(t.ReadFile("config/last.cfg"), QByteArray("old\r\n"));
    // Nothing is left behind beside it either.
    EXPECT_EQ(QDir(t.Path("config")).entryList(QDir::Files), QStringList{"last.cfg"});
    // A folder that does not exist is a failure too, not a crash.
    EXPECT_FALSE(t.Folder().SaveLines("nowhere\\last.cfg", {"x"}));
}

TEST(Files, CopyFailsWhenTheTargetExists) {
    TestPlatform t;
    t.WriteFile("config/english.mes", "english");
    t.WriteFile("config/message.mes", "old");
    kvd::Files& files = t.Folder();
    EXPECT_FALSE(files.Copy("config\\english.mes", "config\\message.mes"));
    EXPECT_EQ(t.ReadFile("config/message.mes"), QByteArray("old"));
    EXPECT_TRUE(files.Delete("config\\MESSAGE.mes"));
    EXPECT_TRUE(files.Copy("config\\English.mes", "config\\message.mes"));
    EXPECT_EQ(t.ReadFile("config/message.mes"), QByteArray("english"));
    EXPECT_FALSE(files.Copy("config\\missing.mes", "config\\other.mes"));
    // Deleting what is not there is not a failure: the file is gone either way.
    EXPECT_TRUE(files.Delete("config\\other.mes"));
}

TEST(Files, ListsByMaskIgnoringCaseInAlphabeticalOrder) {
    TestPlatform t;
    for (const char* name : {"maps/$ICELAND.map", "maps/baltic.MAP", "maps/Arctic.Map",
                             "maps/notes.txt", "maps/$CORK.map"})
        t.WriteFile(name, "");
    QDir().mkpath(t.Path("maps/folder.map"));
    EXPECT_EQ(t.Folder().List("maps", "*.MAP"),
              (QStringList{"$CORK.map", "$ICELAND.map", "Arctic.Map", "baltic.MAP"}));
    EXPECT_TRUE(t.Folder().List("nowhere", "*.MAP").isEmpty());
}
