#include <gtest/gtest.h>
#include <QDir>

#include "core/fleet_file.h"
#include "core/unit_table.h"
#include "tests/support/test_platform.h"

namespace {
const QString kUnit =
    QStringLiteral("E 5 0    3 5  0  0 Cossack           0 Tribal    0101 0101          11");
QString WithCode(QString line, QChar side, int code) {
    line[0] = side;
    return line.replace(68, 2, kvd::TwoDigits(code));
}
}  // namespace

TEST(FleetFile, NamesFollowModeAndNavy) {
    EXPECT_EQ(kvd::FleetFileName(0, 'E'), "config\\Eships.cfg");
    EXPECT_EQ(kvd::FleetFileName(1, 'D'), "config\\Dships1.cfg");
    EXPECT_EQ(kvd::FleetFileName(2, 'U'), "config\\Uships2.cfg");
    EXPECT_EQ(kvd::FleetFileName(3, 'J'), "config\\Jships.cfg");
}

TEST(FleetFile, LoadsThroughTheWorkingCopyReplacingItsOldContents) {
    kvd::test::TestPlatform t;
    const QStringList lines{"1 header of a hosted fleet ..........................................",
                            kUnit, WithCode(kUnit, 'D', 35)};
    t.WriteLines("config/Eships.cfg", lines);
    t.WriteLines("config/ships.cfg", {"stale copy of another game"});
    kvd::UnitTable table;
    table.Append(kUnit);
    QString error;
    ASSERT_EQ(kvd::LoadFleet(t.Folder(), "config\\EShips.cfg", table, &error), kvd::FleetLoad::Ok)
        << error.toStdString();
    EXPECT_EQ(table.Lines(), lines);
    EXPECT_EQ(t.ReadFile("config/ships.cfg"), t.ReadFile("config/Eships.cfg"));
}

TEST(FleetFile, AMissingFleetIsReportedByName) {
    kvd::test::TestPlatform t;
    t.WriteLines("config/ships.cfg", {"old"});
    kvd::UnitTable table;
    QString error;
    EXPECT_EQ(kvd::LoadFleet(t.Folder(), "config\\Jships2.cfg", table, &error),
              kvd::FleetLoad::Missing);
    EXPECT_TRUE(error.contains("config/Jships2.cfg"));
}

TEST(FleetFile, AWorkingCopyThatCannotBeMadeIsTheShipsFileFailure) {
    kvd::test::TestPlatform t;
    t.WriteLines("config/Jships.cfg", {"header"});
    QDir().mkpath(
        t.Path("config/ships.cfg/stuck"));  // a folder in the way, not deletable as a file
    kvd::UnitTable table;
    QString error;
    EXPECT_EQ(kvd::LoadFleet(t.Folder(), "config\\Jships.cfg", table, &error),
              kvd::FleetLoad::CopyFailed);
    EXPECT_EQ(error,
              "  I/O Operation failed with ships file!   \r\r   Closing down Game...  "
              "Please reinstall Korvald!   ");
}

TEST(FleetFile, MalformedLinesAreReportedWithFileAndLine) {
    kvd::test::TestPlatform t;
    QString shortLine = kUnit.left(60);
    QString letters = kUnit;
    letters.replace(54, 4, "0x01");
    const struct {
        QStringList lines;
        const char* expect;
    } cases[] = {
        {{"header", kUnit, shortLine}, "line 3"},
        {{"header", kUnit, letters}, "line 3"},
        {{"header", kUnit, kUnit}, "used twice"},
        {{"header", WithCode(kUnit, 'E', 40)}, "line 2"},
        {{}, "empty"},
        {{"header"}, "no unit of the player's fleet"},
        {{"header", kUnit}, "no unit of the opposing fleet"},
        {{"header", WithCode(kUnit, 'D', 35), ""}, "no unit of the player's fleet"},
    };
    for (const auto& c : cases) {
        t.WriteLines("config/Dships.cfg", c.lines);
        kvd::UnitTable table;
        QString error;
        EXPECT_EQ(kvd::LoadFleet(t.Folder(), "config\\Dships.cfg", table, &error),
                  kvd::FleetLoad::Malformed)
            << c.expect;
        EXPECT_TRUE(error.contains(c.expect)) << error.toStdString();
        if (!c.lines.isEmpty()) {
            EXPECT_TRUE(error.contains("config/Dships.cfg")) << error.toStdString();
        }
    }
}

TEST(FleetFile, AtMost127UnitLines) {
    QStringList lines{"header"};
    for (int i = 0; i < 128; ++i) lines << QStringLiteral("# filler");
    EXPECT_TRUE(kvd::CheckFleetLines("f", lines).contains("127"));
    lines.removeLast();
    EXPECT_FALSE(kvd::CheckFleetLines("f", lines).contains("127"));
}
