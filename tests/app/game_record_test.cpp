#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "core/game.h"
#include "core/game_state.h"
#include "core/unit_codes.h"
#include "opponent/admiral_turn.h"
#include "opponent/computer_opponent.h"
#include "platform/files.h"
#include "play/game_record.h"
#include "tools/selfplay/self_play.h"

namespace {

// A few whole games of the simulator, recorded.
struct Records : ::testing::Test {
    QTemporaryDir folder;
    QStringList Record(const QString& name) {
        QFile file(folder.path() + "/" + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    }
    void SetUp() override {
        kvd::SelfPlayOptions options;
        options.games = 3;
        options.seed = 11;
        options.damage = 'Y';
        options.recordFolder = folder.path();
        kvd::SelfPlay play(QStringLiteral(KORVALD_PROGRAM_DIR), options);
        kvd::SelfPlayTally tally;
        ASSERT_TRUE(play.Run(tally));
    }
};

}  // namespace

TEST_F(Records, EveryRecordedGamePlaysAgainToTheSameTables) {
    const kvd::RecordCheck check = kvd::CheckRecords(folder.path());
    EXPECT_EQ(check.records, 3);
    EXPECT_EQ(check.reproduced, 3) << check.firstFailure.toStdString();
    // Read and written again, a record is the same text.
    const QStringList lines = Record("game-00002.kvr");
    kvd::GameRecord record;
    QString error;
    ASSERT_TRUE(kvd::ReadRecord(lines, record, &error)) << error.toStdString();
    EXPECT_EQ(kvd::RecordLines(record, "0.1"), lines);
    // A record cut anywhere in its moves plays as far as it goes: the save of a game under way.
    kvd::Game game;
    kvd::Settings settings;
    kvd::ComputerOpponent computer;
    ASSERT_TRUE(kvd::Replay(record, game, settings, &computer, 5, &error)) << error.toStdString();
    EXPECT_EQ(kvd::RecordChecksum(record.format, game.scratchpad), record.moves[4].checksum);
}

TEST_F(Records, ABrokenOrNewerRecordIsRefusedWithAReason) {
    const QStringList good = Record("game-00001.kvr");
    kvd::GameRecord record;
    QString error;
    auto refused = [&](QStringList lines, const char* why) {
        error.clear();
        EXPECT_FALSE(kvd::ReadRecord(lines, record, &error)) << why;
        EXPECT_FALSE(error.isEmpty()) << why;
        return error;
    };
    QStringList newer = good;
    newer[0] = "Korvald game record 3";
    EXPECT_TRUE(refused(newer, "newer").contains("newer version"));
    refused({}, "empty");
    refused(QStringList{"Korvald settings"} + good.mid(1), "another file");
    refused(good.filter(QRegularExpression("^(?!\\[Dice\\])")), "no dice");
    refused(good.filter(QRegularExpression("^(?!\\[Hash\\])")), "moves without checksums");
    refused(good.filter(QRegularExpression("^(?!\\[Var\\]=GameMode)")), "a variable missing");
    QStringList table = good;
    for (QString& line : table)
        if (line.startsWith("[Table]=E")) {
            line.truncate(30);
            break;
        }
    refused(table, "a unit line cut short");
    QStringList move = good;
    for (QString& line : move)
        if (line.startsWith("[Move]=")) {
            line = "[Move]=9999";
            break;
        }
    refused(move, "a move that is no move");
    // A record whose table after a move is not the rules' is read, but does not replay.
    QStringList tampered = good;
    for (QString& line : tampered)
        if (line.startsWith("[Hash]=")) {
            line = "[Hash]=00000000";
            break;
        }
    ASSERT_TRUE(kvd::ReadRecord(tampered, record, &error));
    kvd::Game game;
    kvd::Settings settings;
    kvd::ComputerOpponent computer;
    EXPECT_FALSE(kvd::Replay(record, game, settings, &computer, -1, &error));
    EXPECT_TRUE(error.contains("move 1")) << error.toStdString();
}

namespace {

// The first-side move line of a record, its unit's code and its cells.
struct MoveLine {
    int index = -1, code = 0, toX = 0, toY = 0, fromX = 0, fromY = 0;
};
MoveLine FirstMove(const QStringList& lines) {
    for (int i = 0; i < lines.size(); ++i) {
        const QString& l = lines[i];
        if (!l.startsWith("[Move]=")) continue;
        const int code = l.mid(7, 2).toInt();
        if (kvd::SideOfCode(code) != kvd::kFirstSide) continue;
        return {i,
                code,
                l.mid(9, 2).toInt(),
                l.mid(11, 2).toInt(),
                l.mid(13, 2).toInt(),
                l.mid(15, 2).toInt()};
    }
    return {};
}
QString MoveText(int code, int toX, int toY, int fromX, int fromY) {
    return QStringLiteral("[Move]=%1%2%3%4%5")
        .arg(code, 2, 10, QChar('0'))
        .arg(toX, 2, 10, QChar('0'))
        .arg(toY, 2, 10, QChar('0'))
        .arg(fromX, 2, 10, QChar('0'))
        .arg(fromY, 2, 10, QChar('0'));
}
// The cell a unit stands on in the record's opening table.
QPoint OpeningCell(const QStringList& lines, int code) {
    for (const QString& l : lines)
        if (l.startsWith("[Table]=") && l.size() >= 8 + 70 && l.mid(8 + 68, 2).toInt() == code)
            return {l.mid(8 + 54, 2).toInt(), l.mid(8 + 56, 2).toInt()};
    return {-1, -1};
}

}  // namespace

// A record cannot lie: a move its board would never have offered is refused at its number, before
// the game is shown, whatever table the record claims it led to.
TEST_F(Records, AMoveNoBoardWouldOfferIsRefusedAtItsNumber) {
    const QStringList good = Record("game-00001.kvr");
    const MoveLine first = FirstMove(good);
    ASSERT_GE(first.index, 0);
    const int moveNumber =
        int(good.mid(0, first.index).filter(QRegularExpression("^\\[(Move|Repair|Pass)")).size()) +
        1;
    const QPoint mines = OpeningCell(good, 23);
    const QPoint destroyer = OpeningCell(good, 35);
    ASSERT_GE(mines.x(), 0);
    ASSERT_GE(destroyer.x(), 0);
    const int jumpX = first.fromX >= 2 ? first.fromX - 2 : first.fromX + 2;
    const struct {
        const char* what;
        QString line;
    } forged[] = {
        {"a two-cell jump", MoveText(first.code, jumpX, first.fromY, first.fromX, first.fromY)},
        {"a minefield moving",
         MoveText(23, mines.x() > 0 ? mines.x() - 1 : 1, mines.y(), mines.x(), mines.y())},
        {"the other side's unit, out of its turn",
         MoveText(35, destroyer.x() > 0 ? destroyer.x() - 1 : 1, destroyer.y(), destroyer.x(),
                  destroyer.y())},
        {"a unit from a cell it is not on",
         MoveText(first.code, first.toX, first.toY, first.fromX == 0 ? 1 : 0, first.fromY)},
    };
    for (const auto& f : forged) {
        SCOPED_TRACE(f.what);
        QStringList lines = good;
        lines[first.index] = f.line;
        kvd::GameRecord record;
        QString error;
        ASSERT_TRUE(kvd::ReadRecord(lines, record, &error)) << error.toStdString();
        kvd::Game game;
        kvd::Settings settings;
        kvd::ComputerOpponent computer;
        EXPECT_FALSE(kvd::Replay(record, game, settings, &computer, -1, &error));
        EXPECT_EQ(
            error,
            QStringLiteral("Move %1 of the record is not allowed by the rules.").arg(moveNumber))
            << error.toStdString();
    }
    // The check of a folder of records counts the lying one out.
    QStringList lines = good;
    lines[first.index] = forged[0].line;
    QFile out(folder.path() + "/game-00001.kvr");
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(lines.join("\r\n").toUtf8() + "\r\n");
    out.close();
    const kvd::RecordCheck check = kvd::CheckRecords(folder.path());
    EXPECT_EQ(check.records, 3);
    EXPECT_EQ(check.reproduced, 2);
    EXPECT_TRUE(check.firstFailure.contains("not allowed")) << check.firstFailure.toStdString();
}

// A record cut short at any byte is refused, or is the whole record (only its last line end
// went): it never reads as a shorter game.
TEST_F(Records, ARecordCutAtAnyByteIsRefusedOrWhole) {
    kvd::GameRecord whole;
    QString error;
    ASSERT_TRUE(kvd::ReadRecord(Record("game-00003.kvr"), whole, &error));
    whole.moves.resize(4);  // a short game keeps the run short: every byte is tried
    const QStringList lines = kvd::RecordLines(whole, "0.1");
    const QByteArray text = lines.join("\r\n").toUtf8() + "\r\n";
    int read = 0;
    for (qsizetype cut = 0; cut < text.size(); ++cut) {
        // The lines as the program reads a file of that many bytes.
        const QStringList loaded = kvd::DecodeLines(text.left(cut));
        kvd::GameRecord record;
        if (!kvd::ReadRecord(loaded, record, &error)) continue;
        ++read;
        EXPECT_EQ(kvd::RecordLines(record, "0.1"), lines) << "cut at byte " << cut;
    }
    EXPECT_LE(read, 2) << "only the cuts in the last line's end";
    // A record written before the end mark was kept is read as it stands.
    QStringList older = lines;
    older[0] = "Korvald game record 1";
    older.removeLast();
    kvd::GameRecord record;
    EXPECT_TRUE(kvd::ReadRecord(older, record, &error)) << error.toStdString();
    EXPECT_EQ(record.moves.size(), 4u);
}

// A record written before records had an end mark and left the identifications out of their
// checksums (an earlier build's, kept as it was written) still plays to its end, and is written
// again as it came.
TEST(OlderRecords, PlayAgainAndAreWrittenAsTheyCame) {
    QFile file(QStringLiteral(KORVALD_TESTDATA_DIR "/records/format-1.kvr"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = kvd::DecodeLines(file.readAll());
    ASSERT_EQ(lines.first(), "Korvald game record 1");
    kvd::GameRecord record;
    QString error;
    ASSERT_TRUE(kvd::ReadRecord(lines, record, &error)) << error.toStdString();
    EXPECT_EQ(record.format, 1);
    EXPECT_GT(record.moves.size(), 50u);
    kvd::Game game;
    kvd::Settings settings;
    kvd::ComputerOpponent computer;
    EXPECT_TRUE(kvd::Replay(record, game, settings, &computer, -1, &error)) << error.toStdString();
    EXPECT_EQ(kvd::RecordLines(record, "0.1"), lines);
}

TEST(GameVariables, EveryVariableGoesOutAndComesBackAndNothingElseIsTaken) {
    kvd::Game game;
    game.TurnCount = 77, game.HomePosition = 'B', game.Enemy.Name = "Prinz Eugen",
    game.CampaignRegion = 5, game.Player.OldY = 4, game.GameOver = true, game.SweepAllowed = false;
    kvd::Game copy;
    QString error;
    ASSERT_TRUE(kvd::SetGameVariables(copy, kvd::GameVariables(game), &error))
        << error.toStdString();
    EXPECT_EQ(kvd::GameVariables(copy), kvd::GameVariables(game));
    EXPECT_TRUE(copy.GameOver && !copy.SweepAllowed && copy.Player.OldY == 4);
    EXPECT_TRUE(kvd::GameVariables(game).contains("GameOver=1")) << "flags are kept as 0 or 1";
    for (const char* text : {"TurnCount=-1", "HomePosition=X", "CampaignRegion=9", "GameOver=2",
                             "Nonsense=1", "GameMode"}) {
        const QString bad = QString::fromLatin1(text);
        QStringList lines = kvd::GameVariables(game);
        const QString name = bad.section('=', 0, 0);
        bool replaced = false;
        for (QString& line : lines)
            if (line.startsWith(name + "=")) line = bad, replaced = true;
        if (!replaced) lines << bad;
        kvd::Game untouched;
        EXPECT_FALSE(kvd::SetGameVariables(untouched, lines, &error)) << bad.toStdString();
        EXPECT_EQ(untouched.TurnCount, 0) << "nothing is set from a refused list";
    }
}

TEST_F(Records, ASaveFromBeforeTheGameCountedItsAircraftResumesWithTheSameLaunches) {
    // Saves then kept the launch count in the planes setting, raised by one at set-up, and no
    // PlaneAllowance among the variables. The game takes the count, the setting is the
    // player's again, and the recorded moves still play to the same tables.
    kvd::GameRecord now;
    QString error;
    ASSERT_TRUE(kvd::ReadRecord(Record("game-00001.kvr"), now, &error)) << error.toStdString();
    const struct {
        char setting, counted;
    } cases[] = {{'0', '0'}, {'1', '2'}, {'2', '3'}, {'3', '4'}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        kvd::GameRecord old = now;
        old.settings.ReconPlanes = QLatin1Char(c.counted);
        old.variables.removeIf([](const QString& v) { return v.startsWith("PlaneAllowance="); });
        QStringList lines = kvd::RecordLines(old, "0.1");
        kvd::GameRecord read;
        ASSERT_TRUE(kvd::ReadRecord(lines, read, &error)) << error.toStdString();
        kvd::Game game;
        kvd::Settings settings;
        ASSERT_TRUE(kvd::StartFromRecord(read, game, settings, &error)) << error.toStdString();
        EXPECT_EQ(game.PlaneAllowance, QLatin1Char(c.counted));
        EXPECT_EQ(settings.ReconPlanes, QLatin1Char(c.setting));
        if (c.setting == '1') {  // the game as it was recorded
            kvd::ComputerOpponent computer;
            EXPECT_TRUE(kvd::Replay(read, game, settings, &computer, -1, &error))
                << error.toStdString();
        }
    }
    // A save of today keeps the game's count beside the setting as the player chose it.
    kvd::Game game;
    kvd::Settings settings;
    ASSERT_TRUE(kvd::StartFromRecord(now, game, settings, &error)) << error.toStdString();
    EXPECT_EQ(settings.ReconPlanes, '1');
    EXPECT_EQ(game.PlaneAllowance, '2');
    kvd::ComputerOpponent computer;
    EXPECT_TRUE(kvd::Replay(now, game, settings, &computer, -1, &error)) << error.toStdString();
}

// The Admiral's moves depend on how far it thought within its time, so its record keeps them:
// the game plays again to the same tables with an Admiral of another seed, which never thinks.
TEST(AdmiralRecords, KeepTheAdmiralsMovesAndPlayAgainWithoutThinking) {
    QTemporaryDir folder;
    kvd::SelfPlayOptions options;
    options.games = 1;
    options.seed = 5;
    options.secondAdmiral = true;
    options.worlds = 1;
    options.recordFolder = folder.path();
    kvd::SelfPlay play(QStringLiteral(KORVALD_PROGRAM_DIR), options);
    kvd::SelfPlayTally tally;
    ASSERT_TRUE(play.Run(tally));
    const kvd::RecordCheck check = kvd::CheckRecords(folder.path());
    EXPECT_EQ(check.reproduced, 1) << check.firstFailure.toStdString();

    QFile file(folder.path() + "/game-00001.kvr");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    kvd::GameRecord record;
    QString error;
    ASSERT_TRUE(kvd::ReadRecord(lines, record, &error)) << error.toStdString();
    EXPECT_EQ(kvd::RecordLines(record, "0.1"), lines);
    EXPECT_TRUE(lines.contains("[Opponent]=A"));
    const auto answered = std::count_if(record.moves.begin(), record.moves.end(),
                                        [](const auto& m) { return m.answer.has_value(); });
    EXPECT_GE(answered, int(record.moves.size()) - 1) << "every turn of the Admiral's is kept";

    // Answers out of place or damaged are refused; a record of the standard opponent has neither
    // line.
    QStringList broken = lines;
    broken.insert(broken.indexOf(QRegularExpression("^\\[Hash\\]=.*")) + 1, "[Answer]=S9999999999");
    EXPECT_FALSE(kvd::ReadRecord(broken, record, &error));
    broken = lines;
    broken.replace(broken.indexOf("[Opponent]=A"), "[Opponent]=X");
    EXPECT_FALSE(kvd::ReadRecord(broken, record, &error));

    // A kept answer its board would never have offered (a step of two cells) is not played: the
    // record is refused at that move.
    QStringList lying = lines;
    const int answer = int(lying.indexOf(QRegularExpression("^\\[Answer\\]=S.*")));
    ASSERT_GE(answer, 0);
    QString& jump = lying[answer];  // kind, code, to, from
    const int fromX = jump.mid(16, 2).toInt();
    jump.replace(12, 4,
                 QStringLiteral("%1").arg(fromX >= 2 ? fromX - 2 : fromX + 2, 2, 10, QChar('0')) +
                     jump.mid(18, 2));
    ASSERT_TRUE(kvd::ReadRecord(lying, record, &error)) << error.toStdString();
    kvd::Game game;
    kvd::Settings settings;
    kvd::AdmiralTurn admiral(1, kvd::ThinkBudget{});
    EXPECT_FALSE(kvd::Replay(record, game, settings, &admiral, -1, &error));
    EXPECT_TRUE(error.contains("not allowed")) << error.toStdString();
}
