#include <gtest/gtest.h>

#include "core/settings.h"
#include "tests/support/test_platform.h"

namespace {
const QStringList kLines{"; Korvald settings", "U navy: US Navy", "D  deutsch",       "$HAWAII",
                         "N reveal",           "Y flag",          "N sound",          "3 planes",
                         "Y damage",           "extra line 9",    "  extra line 10  "};
}

TEST(SettingsFile, LoadSetsTheVariablesFromTheFirstCharacters) {
    kvd::test::TestPlatform t;
    t.WriteLines("config/last.cfg", kLines);
    kvd::SettingsLines memo;
    kvd::Settings s;
    ASSERT_TRUE(kvd::LoadSettings(t.Folder(), memo, s));
    EXPECT_EQ(memo.Lines(), kLines);
    EXPECT_EQ(s.HomeNavy, 'U');
    EXPECT_EQ(s.Language, 'D');
    EXPECT_EQ(s.MapName, "$HAWAII");
    EXPECT_EQ(s.RevealOption, 'N');
    EXPECT_EQ(s.FlagTransfer, 'Y');
    EXPECT_EQ(s.SoundOption, 'N');
    EXPECT_EQ(s.ReconPlanes, '3');
    EXPECT_EQ(s.AdditionalDamage, 'Y');
}

TEST(SettingsFile, RoundTripKeepsEveryUnreadColumnAndLine) {
    kvd::test::TestPlatform t;
    t.WriteLines("config/last.cfg", kLines);
    const QByteArray before = t.ReadFile("config/last.cfg");
    kvd::SettingsLines memo;
    kvd::Settings s;
    ASSERT_TRUE(kvd::LoadSettings(t.Folder(), memo, s));
    ASSERT_TRUE(kvd::SaveSettings(t.Folder(), memo));
    EXPECT_EQ(t.ReadFile("config/last.cfg"), before);

    kvd::SetSettingChar(memo, 1, 'J');
    kvd::SetSettingChar(memo, 7, '0');
    ASSERT_TRUE(kvd::SaveSettings(t.Folder(), memo));
    QStringList back;
    ASSERT_TRUE(t.Folder().LoadLines("config\\last.cfg", back));
    EXPECT_EQ(back[1], "J navy: US Navy");
    EXPECT_EQ(back[7], "0 planes");
    EXPECT_EQ(back[10], "  extra line 10  ");
}

TEST(SettingsFile, ShortOrEmptyLinesKeepTheVariables) {
    kvd::Settings s;
    s.SoundOption = 'N';
    s.ReconPlanes = '2';
    kvd::ApplySettingsLines(QStringList{"header", "D", "", "$CORK", "Y"}, s);
    EXPECT_EQ(s.HomeNavy, 'D');
    EXPECT_EQ(s.Language, 'E') << "an empty line leaves the variable";
    EXPECT_EQ(s.MapName, "$CORK");
    EXPECT_EQ(s.SoundOption, 'N') << "a missing line leaves the variable";
    EXPECT_EQ(s.ReconPlanes, '2');

    kvd::SettingsLines memo(QStringList{"header"});
    kvd::SetSettingChar(memo, 6, 'Y');
    EXPECT_EQ(memo.Lines(), (QStringList{"header", "", "", "", "", "", "Y"}));
    kvd::SetSettingLine(memo, 3, "$MALTA");
    EXPECT_EQ(memo[3], "$MALTA");
}

TEST(SettingsFile, MissingFileLeavesEverythingAsItWas) {
    kvd::test::TestPlatform t;
    kvd::SettingsLines memo(QStringList{"kept"});
    kvd::Settings s;
    s.HomeNavy = 'J';
    EXPECT_FALSE(kvd::LoadSettings(t.Folder(), memo, s));
    EXPECT_EQ(memo.Lines(), QStringList{"kept"});
    EXPECT_EQ(s.HomeNavy, 'J');
}

TEST(SettingsFile, ShippedDefaultsAreValid) {
    kvd::Files data(kvd::test::DataDir());
    kvd::SettingsLines memo;
    kvd::Settings s;
    s.HomeNavy = s.Language = s.RevealOption = s.FlagTransfer = s.SoundOption = s.ReconPlanes =
        s.AdditionalDamage = '?';
    s.MapName.clear();
    ASSERT_TRUE(kvd::LoadSettings(data, memo, s));
    EXPECT_TRUE(QStringLiteral("EDUJ").contains(s.HomeNavy));
    EXPECT_TRUE(QStringLiteral("ED").contains(s.Language));
    EXPECT_TRUE(data.Exists("maps\\" + s.MapName + ".map")) << s.MapName.toStdString();
    for (QChar yn : {s.RevealOption, s.FlagTransfer, s.SoundOption, s.AdditionalDamage})
        EXPECT_TRUE(QStringLiteral("YN").contains(yn));
    EXPECT_TRUE(QStringLiteral("0123").contains(s.ReconPlanes));
}

TEST(SettingsFile, LineNineChoosesTheOpponent) {
    kvd::test::TestPlatform t;
    QStringList lines = kLines;
    lines[9] = "A  opponent";
    t.WriteLines("config/last.cfg", lines);
    kvd::SettingsLines memo;
    kvd::Settings s;
    ASSERT_TRUE(kvd::LoadSettings(t.Folder(), memo, s));
    EXPECT_EQ(s.Opponent, 'A');
    EXPECT_TRUE(kvd::AdmiralPlays(s));

    // Chosen back to standard: only its first character changes, the lines after it stay.
    kvd::SetSettingChar(memo, kvd::settings_line::kOpponent, 'S');
    ASSERT_TRUE(kvd::SaveSettings(t.Folder(), memo));
    QStringList back;
    ASSERT_TRUE(t.Folder().LoadLines("config\\last.cfg", back));
    EXPECT_EQ(back[9], "S  opponent");
    EXPECT_EQ(back[10], "  extra line 10  ");

    // Anything but an 'A' is the standard opponent, and so is a file from before line 9, which
    // is then completed with it.
    for (const QString& line9 : {QString("extra line 9"), QString("a"), QString()}) {
        lines = kLines;
        lines[9] = line9;
        kvd::Settings admiral;
        admiral.Opponent = 'A';
        kvd::ApplySettingsLines(lines, admiral);
        EXPECT_EQ(admiral.Opponent, 'S') << line9.toStdString();
    }
    t.WriteLines("config/last.cfg", kLines.mid(0, 9));
    s.Opponent = 'A';
    ASSERT_TRUE(kvd::LoadSettings(t.Folder(), memo, s));
    EXPECT_EQ(s.Opponent, 'S');
    ASSERT_EQ(memo.size(), 10);
    EXPECT_EQ(memo[9], "S");
}
