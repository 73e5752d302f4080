// Checks the two shipped language files (data/config/english.mes and deutsch.mes, written by
// tools/make_messages.py): their line format, that every text the game looks up is there, and
// that the texts the game joins with names, kinds and the time make whole lines without
// doubled or missing blanks.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QSet>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/support/test_platform.h"

namespace kvd {
namespace {

constexpr int kLastNumber = 163;

const char* const kLanguageFiles[] = {"english.mes", "deutsch.mes"};

// The numbers the game looks up. The others are spare, but still have a line.
const std::vector<int> kUsedNumbers = [] {
    std::vector<int> used = {1,   2,   3,   4,   5,   6,   8,   9,   10,  11,  12,  13,  14,  15,
                             16,  18,  19,  20,  21,  22,  23,  32,  33,  63,  64,  72,  73,  74,
                             75,  76,  77,  78,  79,  80,  81,  82,  111, 112, 113, 116, 117, 118,
                             119, 140, 141, 142, 143, 145, 146, 147, 148, 149, 150, 151, 152, 153,
                             154, 155, 156, 157, 158, 159, 160, 161, 162, 163};
    for (int n = 34; n <= 57; ++n) used.push_back(n);  // reports, unit panel, end of game
    for (int n = 59; n <= 62; ++n) used.push_back(n);  // score labels
    for (int n = 65; n <= 71; ++n)
        if (n != 67) used.push_back(n);
    for (int n = 83; n <= 103; ++n) used.push_back(n);   // regions, end of game, network
    for (int n = 104; n <= 110; ++n) used.push_back(n);  // network status lines
    for (int n = 120; n <= 139; ++n) used.push_back(n);  // remarks after extra damage
    for (int n = 190; n <= 219; ++n)
        if (n != 209) used.push_back(n);  // boxes' buttons, help, about, front-end words
    for (int n = 284; n <= 287; ++n) used.push_back(n);  // the navies' names
    return used;
}();

// Texts that stand alone: captions, labels, list entries, status lines, the texts of message
// boxes (the box adds its own blanks) and the remarks after extra damage.
const std::vector<int> kStandAlone = [] {
    std::vector<int> plain = {1,   2,   3,   4,   5,   6,   8,   9,   10,  11,  12,  13,  14,
                              15,  16,  18,  19,  20,  21,  22,  33,  47,  48,  49,  50,  52,
                              53,  54,  55,  56,  57,  59,  60,  61,  62,  63,  64,  68,  69,
                              70,  71,  72,  73,  74,  75,  76,  77,  78,  79,  80,  81,  104,
                              105, 106, 107, 108, 109, 110, 111, 112, 113, 116, 117, 118, 119,
                              140, 141, 142, 153, 155, 156, 157, 158, 159, 162};
    for (int n = 83; n <= 103; ++n) plain.push_back(n);
    for (int n = 120; n <= 139; ++n) plain.push_back(n);
    for (int n : {190, 191, 192, 193, 194, 195, 196, 198, 200, 201, 202,
                  203, 204, 205, 206, 207, 210, 211, 284, 285, 286, 287})
        plain.push_back(n);
    for (int n = 212; n <= 219; ++n) plain.push_back(n);
    return plain;
}();

// Texts that open a line and are followed directly by a name, a number or the time.
const std::vector<int> kOpeners = {23,  34,  35,  42,  45,  51,  65,  66,  82,  143, 145, 146,
                                   147, 148, 149, 150, 151, 152, 154, 160, 163, 197, 208};

// Entries of one list or one menu must differ from each other.
const std::vector<std::vector<int>> kChoiceGroups = {
    {15, 16},                          // yes, no
    {63, 64},                          // on, off
    {112, 113},                        // the two languages
    {1, 2, 3, 8, 11, 12, 72, 73},      // main menu
    {19, 20, 21, 83, 84, 85, 86, 87},  // campaign regions
    {47, 48, 49, 50},                  // unit states
    {53, 55, 68, 70},                  // winning navies
    {59, 60, 61, 62},                  // score labels
    {52, 93, 14},                      // end-of-game commands
    {190, 191},                        // a box's yes and no
    {195, 196, 198},                   // the help window's buttons
};

QStringList Load(const char* file) {
    QStringList lines;
    Files(test::DataDir() + QStringLiteral("/config")).LoadLines(QString::fromLatin1(file), lines);
    return lines;
}

QString Text(const QStringList& lines, int n) {
    return n < lines.size() ? lines[n].mid(3) : QString();
}

std::string Show(const QString& text) {
    return ("[" + text + "]").toStdString();
}

// A line made of texts and inserted pieces (names, kinds, the time) reads as one line: no
// blanks at either end, no doubled blanks, nothing stuck to an insert and no blank inside
// brackets or quotes.
void ExpectOneLine(const QString& line, const QStringList& inserts) {
    SCOPED_TRACE(Show(line));
    EXPECT_EQ(line, line.trimmed());
    EXPECT_FALSE(line.contains(QStringLiteral("  ")));
    for (const char* bad : {" )", "( ", " ,", " .", "\" \"", " :"})
        EXPECT_FALSE(line.contains(QLatin1String(bad))) << bad;
    for (const QString& insert : inserts) {
        const int at = line.indexOf(insert);
        ASSERT_GE(at, 0) << insert.toStdString();
        const int end = at + insert.size();
        if (at > 0) {
            EXPECT_TRUE(QStringLiteral(" (\"").contains(line[at - 1]))
                << "stuck before " << insert.toStdString();
        }
        if (end < line.size()) {
            EXPECT_TRUE(QStringLiteral(" )\".").contains(line[end]))
                << "stuck after " << insert.toStdString();
        }
    }
}

TEST(MessageFiles, EveryNumberHasALineWithItsOwnPrefix) {
    QList<qsizetype> sizes;
    for (const char* file : kLanguageFiles) {
        SCOPED_TRACE(file);
        const QStringList lines = Load(file);
        ASSERT_GE(lines.size(), kLastNumber + 1);
        sizes << lines.size();
        for (int n = 0; n <= kLastNumber; ++n) {
            SCOPED_TRACE(n);
            EXPECT_EQ(lines[n].left(3), QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')));
        }
    }
    EXPECT_EQ(sizes.first(), sizes.last()) << "both languages hold the same numbers";
}

TEST(MessageFiles, EveryUsedNumberHasAText) {
    for (const char* file : kLanguageFiles) {
        const QStringList lines = Load(file);
        for (int n : kUsedNumbers) {
            SCOPED_TRACE(std::string(file) + " text " + std::to_string(n));
            EXPECT_FALSE(Text(lines, n).trimmed().isEmpty());
        }
    }
}

TEST(MessageFiles, FilesAreUtf8WithCrLfLineEnds) {
    for (const char* file : kLanguageFiles) {
        SCOPED_TRACE(file);
        QFile f(test::DataDir() + QStringLiteral("/config/") + QString::fromLatin1(file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        ASSERT_FALSE(bytes.isEmpty());
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << "a byte-order mark would join the prefix";
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        for (qsizetype k = 0; k < bytes.size(); ++k) {
            if (bytes[k] == '\n') {
                EXPECT_TRUE(k > 0 && bytes[k - 1] == '\r') << "bare LF at " << k;
            }
            if (bytes[k] == '\r') {
                EXPECT_TRUE(k + 1 < bytes.size() && bytes[k + 1] == '\n') << "bare CR at " << k;
            }
        }
        QStringDecoder decode(QStringDecoder::Utf8);
        const QString text = decode(bytes);
        EXPECT_FALSE(decode.hasError());
        if (QString::fromLatin1(file) == QLatin1String("deutsch.mes")) {
            // Written with its own letters, not spelled out as "ae", "oe", "ue", "ss".
            EXPECT_TRUE(text.contains(QChar(0x00FC)) && text.contains(QChar(0x00E4)) &&
                        text.contains(QChar(0x00F6)) && text.contains(QChar(0x00DF)));
        }
    }
}

TEST(MessageFiles, BlanksAroundTexts) {
    for (const char* file : kLanguageFiles) {
        const QStringList lines = Load(file);
        for (int n : kStandAlone) {
            SCOPED_TRACE(std::string(file) + " stand-alone text " + std::to_string(n));
            const QString text = Text(lines, n);
            EXPECT_EQ(text, text.trimmed()) << Show(text);
        }
        for (int n : kOpeners) {
            SCOPED_TRACE(std::string(file) + " opening text " + std::to_string(n));
            const QString text = Text(lines, n);
            EXPECT_FALSE(text.startsWith(QLatin1Char(' '))) << Show(text);
            EXPECT_TRUE(text.endsWith(QLatin1Char(' ')) && !text.endsWith(QStringLiteral("  ")))
                << Show(text);
        }
        for (const auto& group : kChoiceGroups) {
            QSet<QString> seen;
            for (int n : group) {
                SCOPED_TRACE(std::string(file) + " list entry " + std::to_string(n));
                EXPECT_FALSE(seen.contains(Text(lines, n))) << Show(Text(lines, n));
                seen.insert(Text(lines, n));
            }
        }
    }
}

TEST(MessageFiles, JoinedReportsReadAsOneLine) {
    const QString enemy = QStringLiteral("Tirpitz");
    const QString enemyKind = QStringLiteral("Schlachtschiff");
    const QString own = QStringLiteral("Hood");
    const QString ownKind = QStringLiteral("Admiral");
    const QString field = QStringLiteral("Minefield A");
    const QString time = QStringLiteral("12:00");
    for (const char* file : kLanguageFiles) {
        const QStringList lines = Load(file);
        auto T = [&](int n) { return Text(lines, n); };
        struct Report {
            const char* what;
            QString line;
            QStringList inserts;
        };
        std::vector<Report> reports = {
            {"enemy sunk",
             T(35) + enemy + T(36) + enemyKind + T(37) + time,
             {enemy, enemyKind, time}},
            {"enemy sunk by our mines",
             T(35) + enemy + T(36) + enemyKind + T(38) + time,
             {enemy, enemyKind, time}},
            {"own unit sunk",
             own + QStringLiteral(" (") + ownKind + T(37) + time,
             {own, ownKind, time}},
            {"own unit on enemy mines",
             T(148) + own + T(36) + ownKind + T(38) + time,
             {own, ownKind, time}},
            {"both sunk", enemy + T(32) + own + T(39) + time, {enemy, own, time}},
            {"our submarine hits", T(23) + time, {time}},
            {"our minefield hits", T(40) + field + T(41) + time, {field, time}},
            {"enemy submarine hits", T(42) + own + T(43) + time, {own, time}},
            {"enemy minefield hits",
             T(40) + field + QStringLiteral("\". ") + own + T(44) + time,
             {field, own, time}},
            {"battleships hit each other",
             T(45) + own + QStringLiteral(" / ") + enemy + T(46) + time,
             {own, enemy, time}},
            {"repair", T(34) + time, {time}},
            {"computer beaten", T(82) + time, {time}},
            {"convoy sunk", T(145) + time, {time}},
            {"convoy boxed in", T(146) + time, {time}},
            {"our flag transferred", T(65) + time, {time}},
            {"enemy flag transferred", T(66) + time, {time}},
            {"both flags transferred", T(147) + time, {time}},
            {"unit panel strength", T(51) + QStringLiteral("7"), {QStringLiteral("7")}},
            {"winning commander", T(143) + QStringLiteral("Nelson"), {QStringLiteral("Nelson")}},
        };
        for (int n = 120; n <= 139; ++n)
            reports.push_back(
                {"remark after extra damage", own + QStringLiteral(" - ") + T(n), {own}});
        for (const Report& r : reports) {
            SCOPED_TRACE(std::string(file) + " " + r.what);
            ExpectOneLine(r.line, r.inserts);
        }
        // The mine reports name the field in quotes, flush against the name.
        EXPECT_TRUE((T(40) + field + T(41)).contains(QLatin1Char('"') + field + QLatin1Char('"')))
            << file;
    }
}

TEST(MessageFiles, ReportsFitTheStatusBand) {
    // The longest pieces a report takes: a whole ship's name of 17 characters, a long German
    // kind name and a date with seconds. About 90 characters fill the band of a 1024 pixel screen.
    const QString name = QStringLiteral("George F. Elliott");
    const QString field = QStringLiteral("Minenfeld A");
    const QString kind = QStringLiteral("Flugzeugträger");
    const QString time = QStringLiteral("05.03.1942 14:22:10");
    constexpr int kBand = 90;
    for (const char* file : kLanguageFiles) {
        const QStringList lines = Load(file);
        auto T = [&](int n) { return Text(lines, n); };
        const QStringList reports = {
            T(35) + name + T(36) + kind + T(37) + time,
            T(35) + name + T(36) + kind + T(38) + time,
            T(148) + name + T(36) + kind + T(38) + time,
            name + T(32) + name + T(39) + time,
            T(40) + field + T(41) + time,
            T(42) + name + T(43) + time,
            T(40) + field + QStringLiteral("\". ") + name + T(44) + time,
            // the battleships carry the flagship names of the fleets
            T(45) + QStringLiteral("King George V / Washington") + T(46) + time,
            T(23) + time,
            T(34) + time,
            T(65) + time,
            T(66) + time,
            T(82) + time,
            T(145) + time,
            T(146) + time,
            T(147) + time,
        };
        for (const QString& report : reports) {
            SCOPED_TRACE(std::string(file) + " " + Show(report));
            EXPECT_LE(report.size(), kBand);
        }
    }
}

}  // namespace
}  // namespace kvd
