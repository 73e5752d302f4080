#include <gtest/gtest.h>

#include "core/map_file.h"
#include "core/settings.h"
#include "tests/support/test_platform.h"

// Lines the game never changes go back byte for byte: a comment saved by an old editor in
// Latin-1, a byte-order mark, a line after the settings.
TEST(SettingsLines, UntouchedLinesKeepTheirBytes) {
    kvd::test::TestPlatform t;
    const QByteArray comment =
        "; Einstellungen f\xFCr Korvald";  // Latin-1: one byte for the umlaut
    const QByteArray extra =
        "Stra\xDF"
        "e";
    for (const QByteArray& start : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
        const QByteArray file = start + comment +
                                "\r\nE\r\nE\r\n$STANDARD\r\nY\r\nY\r\nY\r\n1\r\nN\r\n" + extra +
                                "\r\n";
        t.WriteFile("config/last.cfg", file);
        kvd::SettingsLines lines;
        kvd::Settings s;
        ASSERT_TRUE(kvd::LoadSettings(t.Folder(), lines, s));
        EXPECT_EQ(lines[0], QString::fromLatin1(comment));
        ASSERT_TRUE(kvd::SaveSettings(t.Folder(), lines));
        EXPECT_EQ(t.ReadFile("config/last.cfg"), file) << "a plain round trip changes nothing";

        lines.SetChar(kvd::settings_line::kHomeNavy, 'U');
        lines.SetLine(kvd::settings_line::kMapName, QString::fromUtf8("Übung"));
        ASSERT_TRUE(kvd::SaveSettings(t.Folder(), lines));
        QByteArray expected = file;
        expected.replace("\r\nE\r\nE\r\n$STANDARD\r\n",
                         "\r\nU\r\nE\r\n\xC3\x9C"
                         "bung\r\n");
        EXPECT_EQ(t.ReadFile("config/last.cfg"), expected)
            << "changed lines are UTF-8, the rest as read";

        kvd::SettingsLines back;
        ASSERT_TRUE(kvd::LoadSettings(t.Folder(), back, s));
        EXPECT_EQ(s.MapName, QString::fromUtf8("Übung"));
        EXPECT_EQ(back[0], QString::fromLatin1(comment));
    }
}

TEST(SettingsLines, AShortFileIsCompletedFromTheVariables) {
    kvd::test::TestPlatform t;
    t.WriteLines("config/last.cfg", {"comment", "J", "", "$CORK"});
    kvd::SettingsLines lines;
    kvd::Settings s;
    s.Language = 'D';
    s.ReconPlanes = '3';
    ASSERT_TRUE(kvd::LoadSettings(t.Folder(), lines, s));
    EXPECT_EQ(s.HomeNavy, 'J');
    EXPECT_EQ(s.MapName, "$CORK");
    EXPECT_EQ(lines.Lines(),
              (QStringList{"comment", "J", "D", "$CORK", "Y", "Y", "Y", "3", "N", "S"}));
    ASSERT_TRUE(kvd::SaveSettings(t.Folder(), lines));
    EXPECT_EQ(t.ReadFile("config/last.cfg"),
              "comment\r\nJ\r\nD\r\n$CORK\r\nY\r\nY\r\nY\r\n3\r\nN\r\nS\r\n");

    // An empty file still gets its comment line and the nine settings.
    t.WriteFile("config/last.cfg", "");
    ASSERT_TRUE(kvd::LoadSettings(t.Folder(), lines, s));
    EXPECT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[3], "$CORK");
}

// A settings file is the player's to edit: a language letter the game does not know speaks
// German everywhere, as its texts do; a map line that is a path (or no name at all) is never
// opened, the standard map stands in.
TEST(SettingsLines, AnUnknownLanguageIsGermanAndAMapIsANameNeverAPath) {
    for (const QString& map :
         {QStringLiteral("maps/../../etc/passwd.map"), QStringLiteral("..\\secret"),
          QStringLiteral("/etc/passwd"), QStringLiteral("$"), QString(5000, QLatin1Char('A'))}) {
        kvd::Settings settings;
        kvd::ApplySettingsLines(QStringList{"Korvald", "E", "x", map}, settings);
        EXPECT_EQ(settings.Language, QLatin1Char('D'));
        EXPECT_EQ(settings.MapName, kvd::kStandardMap) << map.left(40).toStdString();
        kvd::test::TestPlatform t;
        t.WriteFile("etc/passwd.map", "[ProjName] =X\r\n");
        kvd::MapLines lines;
        QString error;
        EXPECT_FALSE(kvd::LoadMap(t.Folder(), map, lines, &error));
        EXPECT_LT(error.size(), 200);
    }
    kvd::Settings settings;
    kvd::ApplySettingsLines(QStringList{"Korvald", "E", "E", "$ICELAND"}, settings);
    EXPECT_EQ(settings.Language, QLatin1Char('E'));
    EXPECT_EQ(settings.MapName, QStringLiteral("$ICELAND"));
    kvd::ApplySettingsLines(QStringList{"Korvald", "E", "E", "Baltic2"}, settings);
    EXPECT_EQ(settings.MapName, QStringLiteral("Baltic2"));
    EXPECT_EQ(kvd::ShownMapName(QStringLiteral("$ICELAND")), QStringLiteral("ICELAND"));
    EXPECT_EQ(kvd::ShownMapName(QStringLiteral("Baltic2")), QStringLiteral("Baltic2"));
}
