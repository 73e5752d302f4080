#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string_view>

#include "core/unit_codes.h"
#include "core/unit_table.h"

namespace {
// A unit line laid out column by column; "not read" columns hold marks a rewrite must keep.
QString Line(char side, int strength, const char* name, const char* kind, const char* prev,
             const char* pos, int code) {
    QString line = QStringLiteral("%1a%2b0cdef4g5hi0jk0l%3")
                       .arg(QChar(side))
                       .arg(strength)
                       .arg(QString::fromLatin1(name).leftJustified(18, ' ', true));
    line += QStringLiteral("0m") + QString::fromLatin1(kind).leftJustified(10, ' ', true);
    line += QString::fromLatin1(prev) + QStringLiteral("n") + QString::fromLatin1(pos);
    line += QStringLiteral("opqrstuvwx") + kvd::TwoDigits(code);
    return line;
}
}  // namespace

TEST(UnitTable, FieldsReadFromTheirColumns) {
    kvd::UnitTable table;
    table.Append(Line('E', 7, "HMS  Hood", "Admiral", "0102", "0903", 21));
    ASSERT_EQ(table.Line(1).size(), kvd::kUnitLineLength);
    EXPECT_EQ(table.Side(1), kvd::kFirstSide);
    EXPECT_EQ(table.Strength(1), 7);
    EXPECT_EQ(table.DamageState(1), 0);
    EXPECT_EQ(table.Heading(1), 4);
    EXPECT_EQ(table.Blocked(1), '0');
    EXPECT_EQ(table.Revealed(1), '0');
    EXPECT_EQ(table.UnitName(1), "HMS  Hood         ");
    EXPECT_EQ(table.RepairCount(1), 0);
    EXPECT_EQ(table.KindName(1), "Admiral   ");
    EXPECT_EQ(table.PrevX(1), 1);
    EXPECT_EQ(table.PrevY(1), 2);
    EXPECT_EQ(table.PosX(1), 9);
    EXPECT_EQ(table.PosY(1), 3);
    EXPECT_EQ(table.Code(1), 21);
}

TEST(UnitTable, RewritesChangeOnlyTheirColumns) {
    kvd::UnitTable table;
    const QString original = Line('D', 6, "Bismarck", "Bismarck", "0505", "0505", 45);
    table.Append(original);
    table.SetPos(1, 9, 0);
    table.SetPrev(1, 4, 10);
    table.SetStrength(1, 4);
    table.SetDamageState(1, 1);
    table.SetHeading(1, 8);
    table.SetBlocked(1, 'X');
    table.SetRevealed(1, '1');
    table.SetRepairCount(1, 2);
    const QString& now = table.Line(1);
    ASSERT_EQ(now.size(), original.size());
    EXPECT_EQ(now.mid(54, 4), "0900");  // column 9, row 0
    EXPECT_EQ(now.mid(49, 4), "0410");
    for (int c = 1; c <= 70; ++c) {
        static const QList<int> written{3, 5, 10, 15, 18, 38, 50, 51, 52, 53, 55, 56, 57, 58};
        if (!written.contains(c)) {
            EXPECT_EQ(now[c - 1], original[c - 1]) << "column " << c;
        }
    }
    EXPECT_TRUE(table.IsRevealed(1));
    EXPECT_EQ(table.Blocked(1), 'X');
}

TEST(UnitTable, EmptyTableHasNoUnits) {
    kvd::UnitTable table;
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(table.Line(0), "ScratchPad........");
    for (int code = 0; code < 100; ++code) EXPECT_FALSE(table.UnitExists(code));
    EXPECT_EQ(table.Find(21), -1);
    EXPECT_EQ(table.CountCellMates(1), 0);
}

TEST(UnitTable, FindScansBothSidesAndSkipsOtherLines) {
    kvd::UnitTable table;
    table.Append(Line('E', 5, "A", "k", "0000", "0101", 11));
    table.Append(
        QStringLiteral("# a note line that is no unit ....................................35"));
    table.Append(Line('D', 5, "B", "k", "0000", "0202", 35));
    EXPECT_EQ(table.Find(11), 1);
    EXPECT_EQ(table.Find(35), 3);
    EXPECT_EQ(table.FindSide(35, kvd::kFirstSide), -1);
    EXPECT_EQ(table.FindSide(35, kvd::kSecondSide), 3);
    // Removing a line moves the later ones up one index.
    table.Remove(1);
    EXPECT_EQ(table.Find(35), 2);
    EXPECT_FALSE(table.UnitExists(11));
}

TEST(UnitTable, CellMatesCountEitherSideButNotTheUnitItself) {
    kvd::UnitTable table;
    table.Append(Line('E', 1, "Sunderland", "Flyingboat", "0404", "0404", 1));
    table.Append(Line('E', 7, "Ark Royal", "Ark Royal", "0404", "0404", 22));
    table.Append(Line('D', 5, "Z 1", "Type 1934", "0000", "0404", 35));
    table.Append(Line('D', 5, "Z 2", "Type 1934", "0000", "0405", 36));
    EXPECT_EQ(table.CountCellMates(1), 2);
    table.SetPos(2, 3, 3);
    table.SetPos(3, 3, 3);
    EXPECT_EQ(table.CountCellMates(1), 0);
    EXPECT_EQ(table.CountCellMates(99), 0);
}

TEST(UnitTable, ShortOrNonDigitFieldsReadAsMinusOneAndWritesPad) {
    kvd::UnitTable table;
    table.Append(QStringLiteral("E x"));
    EXPECT_EQ(table.Strength(1), -1);
    EXPECT_EQ(table.Code(1), -1);
    EXPECT_EQ(table.PosX(1), -1);
    EXPECT_EQ(table.Revealed(1), QChar());
    EXPECT_EQ(table.UnitName(1), "");
    EXPECT_EQ(table.Find(0), -1);
    table.SetPos(1, 3, 7);
    EXPECT_EQ(table.Line(1).size(), 58);
    EXPECT_EQ(table.PosX(1), 3);
    EXPECT_EQ(table.PosY(1), 7);
    EXPECT_EQ(table.Line(1).left(3), "E x");
}

TEST(UnitTable, TwoDigitRule) {
    EXPECT_EQ(kvd::TwoDigits(0), "00");
    EXPECT_EQ(kvd::TwoDigits(9), "09");
    EXPECT_EQ(kvd::TwoDigits(10), "10");
    EXPECT_EQ(kvd::TwoDigits(64), "64");
    EXPECT_EQ(kvd::TwoDigits(-1), "00");
}

TEST(UnitTable, CutNameShrinksBlanks) {
    EXPECT_EQ(kvd::CutName("Hood              "), "Hood");
    EXPECT_EQ(kvd::CutName("King  George V    "), "King George V");
    EXPECT_EQ(kvd::CutName("Admiral Graf Spee1"), "Admiral Graf Spee1");
    EXPECT_EQ(kvd::CutName("                  "), "");
    EXPECT_EQ(kvd::CutName(QString::fromLatin1("Prinz\0Eugen", 11)), "PrinzEugen");
    EXPECT_EQ(kvd::CutName("Z 1 "), "Z 1");
}

TEST(UnitTable, DirectionsAndNeighbours) {
    const int expected[9][2] = {{0, 0}, {-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                {1, 0}, {-1, 1},  {0, 1},  {1, 1}};
    for (int d = 1; d <= 8; ++d) {
        const kvd::Offset o = kvd::DirectionOffset(d);
        EXPECT_EQ(o.dc, expected[d][0]) << d;
        EXPECT_EQ(o.dr, expected[d][1]) << d;
        EXPECT_EQ(kvd::DirectionTo(5, 5, 5 + o.dc, 5 + o.dr), d);
        EXPECT_TRUE(kvd::AreNeighbours(5, 5, 5 + o.dc, 5 + o.dr));
    }
    EXPECT_EQ(kvd::DirectionTo(5, 5, 5, 5), 0);
    EXPECT_EQ(kvd::DirectionTo(5, 5, 7, 5), 0);
    EXPECT_FALSE(kvd::AreNeighbours(5, 5, 5, 5));
    EXPECT_FALSE(kvd::AreNeighbours(0, 0, 2, 1));
    EXPECT_EQ(kvd::DirectionOffset(9).dc, 0);
}

TEST(UnitTable, CheckUnitLineNamesTheFault) {
    const QString good =
        Line('E', 7, "Hood", "Admiral", "0102", "0903", 21).replace(1, 1, " ").replace(3, 1, " ");
    EXPECT_EQ(kvd::CheckUnitLine(good), "");
    QString noPriority = good;
    noPriority[11] = ' ';
    EXPECT_TRUE(kvd::CheckUnitLine(noPriority).contains("column 12"));
    EXPECT_NE(kvd::CheckUnitLine(good.left(69)), "");
    QString badStrength = good;
    badStrength[2] = 'x';
    EXPECT_TRUE(kvd::CheckUnitLine(badStrength).contains("strength"));
    QString offBoard = good;
    offBoard.replace(54, 2, "10");
    EXPECT_TRUE(kvd::CheckUnitLine(offBoard).contains("off the board"));
    QString wrongSide = good;
    wrongSide[0] = 'D';
    EXPECT_TRUE(kvd::CheckUnitLine(wrongSide).contains("code 21"));
    QString badHeading = good;
    badHeading[9] = '9';
    EXPECT_TRUE(kvd::CheckUnitLine(badHeading).contains("heading"));
    EXPECT_NE(kvd::CheckUnitLine("X" + good.mid(1)), "");
}

TEST(UnitCodes, KindsAndSidesFollowTheCodeTable) {
    EXPECT_EQ(kvd::SideOfCode(1), kvd::kFirstSide);
    EXPECT_EQ(kvd::SideOfCode(25), kvd::kFirstSide);
    EXPECT_EQ(kvd::SideOfCode(26), kvd::kSecondSide);
    EXPECT_EQ(kvd::SideOfCode(49), kvd::kSecondSide);
    EXPECT_EQ(kvd::SideOfCode(54), kvd::kFirstSide);
    EXPECT_EQ(kvd::SideOfCode(60), kvd::kSecondSide);
    for (int code : {0, 55, 59, 65, 99}) EXPECT_FALSE(kvd::IsValidCode(code)) << code;
    // Every second-side code is its first-side code's kind, 24 or 10 higher.
    for (int code = 2; code <= 25; ++code)
        EXPECT_EQ(kvd::KindOfCode(code + 24), kvd::KindOfCode(code));
    for (int code = 50; code <= 54; ++code)
        EXPECT_EQ(kvd::KindOfCode(code + 10), kvd::KindOfCode(code));
    EXPECT_EQ(kvd::KindOfCode(3), kvd::UnitKind::Submarine);
    EXPECT_EQ(kvd::KindOfCode(54), kvd::UnitKind::Merchant1);
    EXPECT_EQ(kvd::SpriteName(kvd::KindOfCode(44)), "CRUISER");
    EXPECT_EQ(kvd::SpriteName(kvd::KindOfCode(40)), "LTCRUISER");
    EXPECT_FALSE(kvd::IsShipCode(1));
    EXPECT_FALSE(kvd::IsShipCode(48));
    EXPECT_TRUE(kvd::IsShipCode(26));
    EXPECT_TRUE(kvd::IsShipCode(64));
    // The kind groups the rules ask for, by the fleets' code slots, on both sides.
    for (int code = 1; code <= 64; ++code) {
        if (!kvd::IsValidCode(code)) continue;
        const int slot = kvd::FirstSideCode(code);
        auto in = [slot](int low, int high) { return slot >= low && slot <= high; };
        EXPECT_EQ(kvd::IsSubmarine(code), in(3, 8)) << code;
        EXPECT_EQ(kvd::IsEscort(code), in(9, 15)) << code;
        EXPECT_EQ(kvd::IsCruiser(code), in(16, 20)) << code;
        EXPECT_EQ(kvd::IsCapitalShip(code), in(21, 22)) << code;
        EXPECT_EQ(kvd::IsMinefield(code), in(23, 25)) << code;
        EXPECT_EQ(kvd::GivesSupportFire(code), in(11, 22)) << code;
        EXPECT_EQ(kvd::IsFleetShip(code), in(2, 22)) << code;
        EXPECT_EQ(kvd::IsConvoyCode(code), in(50, 54)) << code;
    }
    // A number read from a corrupt line may be anything: outside the table it is no unit at all.
    for (int code : {-1, -99, 100, 155, 1000, INT_MIN, INT_MAX}) {
        EXPECT_FALSE(kvd::IsValidCode(code)) << code;
        EXPECT_EQ(kvd::SideOfCode(code), std::nullopt) << code;
        EXPECT_EQ(kvd::KindOfCode(code), kvd::UnitKind::None) << code;
        EXPECT_EQ(kvd::FirstSideCode(code), 0) << code;
        EXPECT_FALSE(kvd::IsShipCode(code) || kvd::IsConvoyCode(code) || kvd::IsWarship(code) ||
                     kvd::GivesSupportFire(code) || kvd::IsFleetShip(code))
            << code;
    }
}

// The parsed fields and the cells' occupants follow every kind of write, as a fresh reading of
// the same lines gives them.
TEST(UnitTable, ParsedFieldsAndOccupantsStayInStepWithEveryWrite) {
    kvd::UnitTable table;
    QStringList lines{"header"};
    for (int code : {1, 2, 11, 21, 26, 35, 45}) {
        QString line = QStringLiteral(
            "E 5 0    3 5  0  0 Unit              0 Kind      0000 0404          00");
        if (code >= 26) line[0] = 'D';
        kvd::WriteNumber(line, 69, 2, code);
        lines << line;
    }
    table.SetLines(lines);
    auto check = [&](const char* after) {
        SCOPED_TRACE(after);
        kvd::UnitTable fresh;
        fresh.SetLines(table.Lines());
        for (int i = 0; i < table.Count(); ++i) {
            ASSERT_EQ(table.Side(i), fresh.Side(i)) << i;
            ASSERT_EQ(table.Code(i), fresh.Code(i)) << i;
            ASSERT_EQ(table.PosX(i), fresh.PosX(i)) << i;
            ASSERT_EQ(table.PrevY(i), fresh.PrevY(i)) << i;
            ASSERT_EQ(table.Strength(i), fresh.Strength(i)) << i;
            ASSERT_EQ(table.Revealed(i), fresh.Revealed(i)) << i;
            ASSERT_EQ(table.Blocked(i), fresh.Blocked(i)) << i;
        }
        for (int c = 0; c < kvd::kBoardSize; ++c)
            for (int r = 0; r < kvd::kBoardSize; ++r) {
                // The last unit in table order on the cell, the aircraft left out.
                std::optional<kvd::Side> last;
                for (int i = 1; i < fresh.Count(); ++i)
                    if (fresh.IsUnit(i) && fresh.Code(i) != 1 && fresh.PosX(i) == c &&
                        fresh.PosY(i) == r)
                        last = fresh.Side(i);
                ASSERT_EQ(table.OccupantSide(c, r), last) << c << "," << r;
                ASSERT_EQ(table.Holds(kvd::kFirstSide, c, r) || table.Holds(kvd::kSecondSide, c, r),
                          last.has_value());
            }
        // Look-ups by code answer as a scan of the lines does: the last line with the code.
        for (int code = -2; code <= 100; ++code) {
            int any = -1, first = -1, second = -1;
            for (int i = 1; i < fresh.Count(); ++i) {
                if (!fresh.IsUnit(i) || fresh.Code(i) != code) continue;
                any = i;
                (fresh.Side(i) == kvd::kFirstSide ? first : second) = i;
            }
            ASSERT_EQ(table.Find(code), any) << code;
            ASSERT_EQ(table.FindSide(code, kvd::kFirstSide), first) << code;
            ASSERT_EQ(table.FindSide(code, kvd::kSecondSide), second) << code;
        }
    };
    check("loading");
    table.SetPos(3, 5, 5);
    check("a step");
    table.SetChar(6, kvd::col::kRevealed, '1');
    table.SetBlocked(5, 'X');
    check("marks");
    table.SetChar(4, kvd::col::kCode + 1, '2');  // a carrier taking over the flag
    check("a code rewritten");
    table.Remove(2);
    check("a unit gone");
    table.SetLine(1, table.Line(1).left(40));
    check("a line cut short");
    table.Append(lines[3]);
    check("a line added");
    table.SetPos(1, 7, 8);
    check("a short line written again");
    table.Append(QString(lines[5]).replace(0, 1, "E"));  // a corrupt line: code 35 as side E
    check("a code on both sides");
    table.SetPos(2, 7, 8);  // the same cell again leaves the line as it is
    table.SetStrength(2, 12);
    table.SetRepairCount(3, -3);
    table.SetChar(3, kvd::col::kSide, 'X');
    check("values that do not fit, and a side letter gone");
    EXPECT_EQ(table.Strength(2), 2);
    EXPECT_EQ(table.RepairCount(3), 0);
    EXPECT_FALSE(table.OccupantSide(-1, 4));
    EXPECT_FALSE(table.OccupantSide(4, 10));
}

// A rule that reads the whole table may skip its work while the revision stands: every write
// that changes a line moves it, a write of what is there already does not, and a copy keeps
// its original's revision only until one of the two is written.
TEST(UnitTable, TheRevisionMovesWithEveryChangeAndOnlyThen) {
    kvd::UnitTable table;
    table.SetLines({"header", Line('E', 5, "Hood", "Cruiser", "0101", "0202", 11),
                    Line('D', 7, "Emden", "Cruiser", "0303", "0404", 35)});
    const std::pair<const char*, std::function<void(kvd::UnitTable&)>> writes[] = {
        {"strength", [](kvd::UnitTable& t) { t.SetStrength(1, 3); }},
        {"damage", [](kvd::UnitTable& t) { t.SetDamageState(1, 2); }},
        {"heading", [](kvd::UnitTable& t) { t.SetHeading(2, 6); }},
        {"blocked", [](kvd::UnitTable& t) { t.SetBlocked(2, 'X'); }},
        {"revealed", [](kvd::UnitTable& t) { t.SetRevealed(2, '1'); }},
        {"repairs", [](kvd::UnitTable& t) { t.SetRepairCount(1, 1); }},
        {"previous cell", [](kvd::UnitTable& t) { t.SetPrev(1, 9, 9); }},
        {"cell", [](kvd::UnitTable& t) { t.SetPos(1, 3, 4); }},
        {"a character", [](kvd::UnitTable& t) { t.SetChar(1, 20, 'Q'); }},
        {"a line", [](kvd::UnitTable& t) { t.SetLine(2, t.Line(2).left(60)); }},
        {"a line added", [](kvd::UnitTable& t) { t.Append(t.Line(1)); }},
        {"a line gone", [](kvd::UnitTable& t) { t.Remove(t.Count() - 1); }},
        {"all lines", [](kvd::UnitTable& t) { t.SetLines(t.Lines()); }},
        {"emptied", [](kvd::UnitTable& t) { t.Reset(); }},
    };
    for (const auto& [what, write] : writes) {
        SCOPED_TRACE(what);
        const std::uint64_t before = table.Revision();
        kvd::UnitTable copy = table;
        EXPECT_EQ(copy.Revision(), before);
        write(table);
        EXPECT_NE(table.Revision(), before);
        // The same write again changes nothing, so the revision stands (the line ops aside,
        // which always change the table's lines or their count).
        const std::uint64_t after = table.Revision();
        if (std::string_view(what).find("line") == std::string_view::npos &&
            std::string_view(what) != "emptied") {
            write(table);
            EXPECT_EQ(table.Revision(), after);
        }
        write(copy);
        EXPECT_NE(copy.Revision(), table.Revision()) << "two tables never share a revision";
    }
}
