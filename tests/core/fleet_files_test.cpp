// Checks the twelve shipped fleet files (data/config/?ships*.cfg): what the loader demands
// of them, and what the game relies on beyond that (the codes each side brings, names the
// fight reports use, and each navy sailing the same ships whichever side it is on).

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

#include "core/fleet_file.h"
#include "core/navy.h"
#include "core/unit_codes.h"
#include "core/unit_table.h"
#include "tests/support/test_platform.h"

namespace kvd {
namespace {

const char* const kFleetFiles[] = {
    "Eships.cfg", "Eships1.cfg", "Eships2.cfg", "Dships.cfg", "Dships1.cfg", "Dships2.cfg",
    "Uships.cfg", "Uships1.cfg", "Uships2.cfg", "Jships.cfg", "Jships1.cfg", "Jships2.cfg",
};

QChar HomeNavy(const QString& file) {
    return file.at(0);
}
// "", "1" or "2".
QString Stage(const QString& file) {
    return file.mid(6, file.indexOf(QLatin1Char('.')) - 6);
}
bool IsConvoyFile(const QString& file) {
    return Stage(file) == QLatin1String("2");
}

QSet<int> CodeRange(int from, int to) {
    QSet<int> codes;
    for (int c = from; c <= to; ++c) codes.insert(c);
    return codes;
}

// The codes each side of a file must bring, exactly.
QSet<int> ExpectedCodes(Side side, bool convoy) {
    if (side == kvd::kFirstSide) {
        if (!convoy) return CodeRange(1, 25);
        return CodeRange(1, 21) | CodeRange(23, 25) | CodeRange(50, 54);
    }
    if (!convoy) return CodeRange(26, 49);
    return CodeRange(26, 45) | CodeRange(47, 49) | CodeRange(60, 64);
}

struct LoadedFleet {
    QByteArray bytes;
    QStringList lines;
    UnitTable table;
};

// Reads a shipped fleet file from the source tree; false when it cannot be opened.
bool ReadFleet(const QString& file, LoadedFleet& out) {
    QFile f(test::DataDir() + QStringLiteral("/config/") + file);
    if (!f.open(QIODevice::ReadOnly)) return false;
    out.bytes = f.readAll();
    out.lines = QString::fromLatin1(out.bytes).split(QStringLiteral("\r\n"));
    if (!out.lines.isEmpty() && out.lines.last().isEmpty()) out.lines.removeLast();
    out.table.SetLines(out.lines);
    return true;
}

int AttackPriority(const UnitTable& table, int i) {
    return ReadNumber(table.Line(i), col::kAttackPriority, 1);
}

class ShippedFleetFile : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        file_ = QString::fromLatin1(GetParam());
        ASSERT_TRUE(ReadFleet(file_, fleet_)) << "cannot open data/config/" << GetParam();
        ASSERT_GE(fleet_.lines.size(), 2) << "no unit lines";
    }

    // The navy whose ships a side letter of this file holds.
    QChar NavyOfSide(Side side) const {
        return side == kFirstSide ? HomeNavy(file_) : OpposingNavy(HomeNavy(file_));
    }

    QString file_;
    LoadedFleet fleet_;
};

TEST_P(ShippedFleetFile, IsPrintableAsciiWithCrLfLineEnds) {
    const QByteArray& bytes = fleet_.bytes;
    ASSERT_TRUE(bytes.endsWith("\r\n")) << "the last line is not ended with CR LF";
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at byte " << i;
        } else if (c == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "LF without CR at byte " << i;
        } else {
            ASSERT_TRUE(c >= 0x20 && c <= 0x7e) << "byte " << i << " is not printable ASCII";
        }
    }
}

TEST_P(ShippedFleetFile, PassesTheLoaderCheckLineByLine) {
    EXPECT_EQ(CheckFleetLines(file_, fleet_.lines), QString());
    const UnitTable& t = fleet_.table;
    EXPECT_FALSE(t.IsUnit(0)) << "line 0 is the header, never a unit";
    for (int i = 1; i < t.Count(); ++i) {
        SCOPED_TRACE(t.Line(i).toStdString());
        EXPECT_TRUE(t.IsUnit(i));
        EXPECT_EQ(t.Line(i).size(), kUnitLineLength);
        EXPECT_EQ(CheckUnitLine(t.Line(i)), QString());
    }
}

TEST_P(ShippedFleetFile, EachSideBringsExactlyItsCodes) {
    const UnitTable& t = fleet_.table;
    QMap<Side, QList<int>> codes;
    for (int i = 1; i < t.Count(); ++i) {
        EXPECT_EQ(SideOfCode(t.Code(i)), t.Side(i)) << "code " << t.Code(i);
        codes[*t.Side(i)].append(t.Code(i));
    }
    for (Side side : {kvd::kFirstSide, kvd::kSecondSide}) {
        SCOPED_TRACE(std::string("side ") + SideLetter(side).toLatin1());
        const QList<int>& list = codes.value(side);
        const QSet<int> set(list.begin(), list.end());
        EXPECT_EQ(set.size(), list.size()) << "a code appears twice";
        EXPECT_EQ(set, ExpectedCodes(side, IsConvoyFile(file_)));
    }
}

TEST_P(ShippedFleetFile, UnitsStartUndamagedUnidentifiedAndInPlace) {
    const UnitTable& t = fleet_.table;
    QMap<Side, QSet<int>> cells;
    QMap<Side, QSet<int>> headings;
    for (int i = 1; i < t.Count(); ++i) {
        SCOPED_TRACE(t.Line(i).toStdString());
        const int code = t.Code(i);
        EXPECT_GE(t.Strength(i), 1);
        EXPECT_EQ(t.DamageState(i), 0);
        EXPECT_EQ(t.Blocked(i), QLatin1Char('0'));
        EXPECT_FALSE(t.IsRevealed(i));
        EXPECT_EQ(t.Revealed(i), QLatin1Char('0'));
        EXPECT_EQ(t.RepairCount(i), 0);
        // Only ships are rated by default; the computer must not seek out the rest.
        EXPECT_EQ(AttackPriority(t, i), IsShipCode(code) ? 5 : 0);
        EXPECT_EQ(t.PrevX(i), t.PosX(i));
        EXPECT_EQ(t.PrevY(i), t.PosY(i));
        if (KindOfCode(code) == UnitKind::ReconPlane) {
            EXPECT_EQ(t.PosX(i), 4);
            EXPECT_EQ(t.PosY(i), 4);
        }
        const int cell = t.PosX(i) * kBoardSize + t.PosY(i);
        EXPECT_FALSE(cells[*t.Side(i)].contains(cell)) << "two units of a side share a cell";
        cells[*t.Side(i)].insert(cell);
        headings[*t.Side(i)].insert(t.Heading(i));
    }
    EXPECT_GT(headings.value(kvd::kFirstSide).size(), 1) << "every first-side unit faces one way";
    EXPECT_GT(headings.value(kvd::kSecondSide).size(), 1) << "every second-side unit faces one way";
}

TEST_P(ShippedFleetFile, NamesAndKindsAreFilledAndUniquePerSide) {
    const UnitTable& t = fleet_.table;
    QMap<Side, QSet<QString>> names;
    for (int i = 1; i < t.Count(); ++i) {
        SCOPED_TRACE(t.Line(i).toStdString());
        const QString name = CutName(t.UnitName(i));
        EXPECT_FALSE(name.isEmpty());
        EXPECT_FALSE(CutName(t.KindName(i)).isEmpty());
        EXPECT_FALSE(t.UnitName(i).startsWith(QLatin1Char(' '))) << "name not left-aligned";
        EXPECT_FALSE(t.KindName(i).startsWith(QLatin1Char(' '))) << "kind not left-aligned";
        EXPECT_FALSE(names[*t.Side(i)].contains(name)) << "name used twice on a side";
        names[*t.Side(i)].insert(name);
    }
}

// Fight reports name these ships by their slot.
TEST_P(ShippedFleetFile, FlagshipsAndReportedCruisersCarryTheirNames) {
    const UnitTable& t = fleet_.table;
    const QMap<QChar, QString> battleships = {
        {QLatin1Char('E'), QStringLiteral("King George V")},
        {QLatin1Char('D'), QStringLiteral("Bismarck")},
        {QLatin1Char('U'), QStringLiteral("Washington")},
        {QLatin1Char('J'), QStringLiteral("Yamato")},
    };
    const QMap<QChar, QString> secondHeavyCruisers = {
        {QLatin1Char('E'), QStringLiteral("Prince Of Wales")},
        {QLatin1Char('U'), QStringLiteral("Indianapolis")},
    };
    for (Side side : {kvd::kFirstSide, kvd::kSecondSide}) {
        const QChar navy = NavyOfSide(side);
        SCOPED_TRACE(std::string("side ") + SideLetter(side).toLatin1() + ", navy " +
                     navy.toLatin1());
        const int battleship = t.FindSide(side == kvd::kFirstSide ? 21 : 45, side);
        ASSERT_GE(battleship, 0);
        EXPECT_EQ(CutName(t.UnitName(battleship)), battleships.value(navy));
        if (secondHeavyCruisers.contains(navy)) {
            const int cruiser = t.FindSide(side == kvd::kFirstSide ? 20 : 44, side);
            ASSERT_GE(cruiser, 0);
            EXPECT_EQ(CutName(t.UnitName(cruiser)), secondHeavyCruisers.value(navy));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllNavies, ShippedFleetFile, ::testing::ValuesIn(kFleetFiles),
    [](const ::testing::TestParamInfo<const char*>& info) {
        return QString::fromLatin1(info.param).section(QLatin1Char('.'), 0, 0).toStdString();
    });

// A hosted game loads the plain file of its navy and sends the table, header first; the
// joining side takes a line as a fleet header by its leading "1" and a length over 50.
TEST(ShippedFleetFiles, HostedGameFilesCarryTheNetworkHeader) {
    for (const char* name : {"Eships.cfg", "Uships.cfg"}) {
        SCOPED_TRACE(name);
        LoadedFleet fleet;
        ASSERT_TRUE(ReadFleet(QString::fromLatin1(name), fleet));
        ASSERT_FALSE(fleet.lines.isEmpty());
        const QString& header = fleet.lines.first();
        EXPECT_TRUE(header.startsWith(QLatin1Char('1'))) << header.toStdString();
        EXPECT_GT(header.size(), 50) << header.toStdString();
    }
}

// A navy sails the same ships in a stage whichever side it is on: the first side of
// Xships<stage>.cfg is the second side of the opponent's file of that stage, slot by slot.
TEST(ShippedFleetFiles, EachNavyMirrorsIntoItsOpponentsFile) {
    for (const char* name : kFleetFiles) {
        const QString file = QString::fromLatin1(name);
        const QString mirrorFile = OpposingNavy(HomeNavy(file)) + file.mid(1);
        SCOPED_TRACE(file.toStdString() + " against " + mirrorFile.toStdString());
        LoadedFleet home, mirror;
        ASSERT_TRUE(ReadFleet(file, home));
        ASSERT_TRUE(ReadFleet(mirrorFile, mirror));
        const UnitTable& h = home.table;
        const UnitTable& m = mirror.table;

        int homeUnits = 0;
        int mirrorUnits = 0;
        for (int i = 1; i < m.Count(); ++i)
            if (m.Side(i) == kvd::kSecondSide) ++mirrorUnits;
        for (int i = 1; i < h.Count(); ++i) {
            if (h.Side(i) != kvd::kFirstSide) continue;
            const int code = h.Code(i);
            // The radar aircraft flies for the first side only.
            if (KindOfCode(code) == UnitKind::ReconPlane) continue;
            ++homeUnits;
            const int mirrorCode = code + (IsConvoyCode(code) ? 10 : 24);
            SCOPED_TRACE("code " + std::to_string(code));
            const int j = m.FindSide(mirrorCode, kvd::kSecondSide);
            ASSERT_GE(j, 0) << "no unit " << mirrorCode << " on the second side";
            EXPECT_EQ(FirstSideCode(m.Code(j)), code);
            EXPECT_EQ(m.UnitName(j), h.UnitName(i));
            EXPECT_EQ(m.KindName(j), h.KindName(i));
            EXPECT_EQ(m.Strength(j), h.Strength(i));
        }
        EXPECT_EQ(mirrorUnits, homeUnits) << "the second side has units the first side lacks";
    }
}

}  // namespace
}  // namespace kvd
