#include "play/game_record.h"

#include <algorithm>

#include "core/fleet_file.h"
#include "core/game.h"
#include "core/game_state.h"
#include "core/language_texts.h"
#include "core/table_hash.h"
#include "core/unit_codes.h"
#include "play/apply_move.h"
#include "play/computer_turn.h"
#include "play/legal_moves.h"
#include "play/repair.h"
#include "play/rules.h"
#include "play/selection.h"
#include "play/showing.h"
#include "play/turn.h"

namespace kvd {

namespace {

const QString kTitle = QStringLiteral("Korvald game record ");
const QString kEnd = QStringLiteral("[End]");

// The settings a record keeps, with the letters each may hold.
struct SettingKey {
    const char* key;
    QChar Settings::*member;
    const char* allowed;
};
constexpr SettingKey kSettingKeys[] = {
    {"[HomeNavy]=", &Settings::HomeNavy, "EDUJ"},
    {"[Language]=", &Settings::Language, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
    {"[Reveal]=", &Settings::RevealOption, "YN"},
    {"[FlagTransfer]=", &Settings::FlagTransfer, "YN"},
    {"[Sound]=", &Settings::SoundOption, "YN"},
    {"[ReconPlanes]=", &Settings::ReconPlanes, "01234"},
    {"[AdditionalDamage]=", &Settings::AdditionalDamage, "YN"},
};

bool Fail(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}

// The Admiral's answers: the kind's letter, then the code, the cell and the cell it came from,
// two digits each.
const QString kAnswer = QStringLiteral("[Answer]=");
const QString kAnswerKinds = QStringLiteral("SAR");  // step, attack, repair
constexpr MoveKind kAnswerKind[] = {MoveKind::Step, MoveKind::Attack, MoveKind::Repair};

QString AnswerRecord(const Move& m) {
    const int kind = m.kind == MoveKind::Attack ? 1 : m.kind == MoveKind::Repair ? 2 : 0;
    return kAnswer + kAnswerKinds[kind] + MoveDigits(m);
}

bool ReadAnswer(const QString& line, Move& m) {
    if (line.size() != kAnswer.size() + 11) return false;
    const int kind = kAnswerKinds.indexOf(line[kAnswer.size()]);
    if (kind < 0 || !ReadMoveDigits(line, int(kAnswer.size()) + 1, m)) return false;
    m.side = kSecondSide;
    m.kind = kAnswerKind[kind];
    return SideOfCode(m.code) == m.side && OnBoard(m.fromColumn, m.fromRow) &&
           OnBoard(m.toColumn, m.toRow);
}

bool Printable(const QString& text) {
    for (QChar c : text)
        if (!c.isPrint()) return false;
    return true;
}

// A line of the record's settings (a setting's key, the opponent or the map's name) into the
// settings: nothing when the line is none of them, else why it is damaged (empty when it is not).
std::optional<QString> ReadSetting(const QString& line, Settings& settings, int& settingsSeen,
                                   bool& mapName) {
    for (const SettingKey& k : kSettingKeys) {
        if (!line.startsWith(QLatin1String(k.key))) continue;
        const QString value = line.mid(qsizetype(strlen(k.key)));
        if (value.size() != 1 || !QLatin1String(k.allowed).contains(value[0]))
            return QStringLiteral("the setting is none of %1.").arg(QLatin1String(k.allowed));
        settings.*k.member = value[0];
        ++settingsSeen;
        return QString();
    }
    if (line.startsWith(QLatin1String("[Opponent]="))) {
        if (line.size() != 12 || (line[11] != QLatin1Char('S') && line[11] != QLatin1Char('A')))
            return QStringLiteral("the opponent is none of SA.");
        settings.Opponent = line[11];
        return QString();
    }
    if (line.startsWith(QLatin1String("[MapName]="))) {
        settings.MapName = line.mid(10);
        if (settings.MapName.isEmpty() || settings.MapName.size() > 40 ||
            settings.MapName.contains(QLatin1Char('/')) ||
            settings.MapName.contains(QLatin1Char('\\')))
            return QStringLiteral("the map's name is not a name.");
        mapName = true;
        return QString();
    }
    return std::nullopt;
}

// A move's line (a pass, a step of either side, a repair) into m; why it is damaged, or empty.
QString ReadMoveLine(const QString& line, Move& m) {
    m = Move{kFirstSide};
    if (line == QLatin1String("[Pass]")) return QString();
    // Either side's, by the unit's code: a network game's record holds both.
    const bool step = line.startsWith(QLatin1String("[Move]="));
    if (step || line.startsWith(QLatin1String("[Repair]="))) {
        const std::optional<Side> side = SideOfCode(ReadNumber(line, step ? 8 : 12, 2));
        if (side) m = MoveOfPeerRecord(line, *side);
        if (!side || m.kind == MoveKind::Pass ||
            (step && (!OnBoard(m.fromColumn, m.fromRow) || !OnBoard(m.toColumn, m.toRow))))
            return step ? QStringLiteral("the move is damaged.")
                        : QStringLiteral("the repair is damaged.");
        return QString();
    }
    return QStringLiteral("\"%1\" is no line of a record.").arg(line.left(30));
}

// The format a record's first line names, where this version reads it and the record is whole
// (ends with its end mark, from format 2 on); 0, with the reason, where not.
int RecordFormat(const QStringList& lines, QString* error) {
    auto refused = [error](const QString& why) {
        Fail(error, why);
        return 0;
    };
    if (lines.isEmpty() || !lines[0].startsWith(kTitle))
        return refused(QStringLiteral("This is no game record of Korvald."));
    bool number = false;
    const int format = lines[0].mid(kTitle.size()).toInt(&number);
    if (!number || format < 1)
        return refused(QStringLiteral("The record's first line is damaged."));
    if (format > kRecordFormat)
        return refused(QStringLiteral("The record was written by a newer version of Korvald "
                                      "(format %1; this version reads %2).")
                           .arg(format)
                           .arg(kRecordFormat));
    if (format >= 2 && lines.last() != kEnd)
        return refused(QStringLiteral("The record is cut short: its end is missing."));
    return format;
}

}  // namespace

QString RecordChecksum(int format, const UnitTable& table) {
    if (format >= 2) return TableHash(table);
    // Format 1: every line and every column, eight upper-case hexadecimal digits.
    quint32 h = 2166136261u;
    for (const QString& line : table.Lines()) {
        for (QChar c : line) h = (h ^ c.unicode()) * 16777619u;
        h = (h ^ 0x0Au) * 16777619u;
    }
    return QStringLiteral("%1").arg(h, 8, 16, QLatin1Char('0')).toUpper();
}

GameRecord BeginRecord(const Game& game, const Settings& settings) {
    GameRecord record;
    record.settings = settings;
    record.mapLines = game.MemoPad.Lines();
    record.table = game.scratchpad.Lines();
    record.variables = GameVariables(game);
    record.dice = QString::fromStdString(game.dice.State());
    return record;
}

QStringList RecordLines(const GameRecord& r, const QString& programVersion) {
    QStringList lines{kTitle + QString::number(r.format),
                      QStringLiteral("[Program]=") + programVersion};
    for (const SettingKey& k : kSettingKeys) lines << QLatin1String(k.key) + (r.settings.*k.member);
    lines << QStringLiteral("[MapName]=") + r.settings.MapName;
    if (r.began.isValid()) lines << QStringLiteral("[Began]=") + r.began.toString(Qt::ISODate);
    if (AdmiralPlays(r.settings)) lines << QStringLiteral("[Opponent]=A");
    for (const QString& line : r.mapLines) lines << QStringLiteral("[Map]=") + line;
    for (const QString& line : r.table) lines << QStringLiteral("[Table]=") + line;
    for (const QString& line : r.variables) lines << QStringLiteral("[Var]=") + line;
    lines << QStringLiteral("[Dice]=") + r.dice;
    for (const GameRecord::Played& played : r.moves) {
        const Move& m = played.move;
        if (played.draw > 0) lines << QStringLiteral("[Draw]=") + QString::number(played.draw);
        if (m.kind == MoveKind::Pass)
            lines << QStringLiteral("[Pass]");
        else if (m.kind == MoveKind::Repair)
            lines << RepairRecord(m);
        else
            lines << MoveRecord(m);
        lines << QStringLiteral("[Hash]=") + played.checksum;
        if (played.answer) lines << AnswerRecord(*played.answer);
    }
    if (r.format >= 2) lines << kEnd;
    return lines;
}

bool ReadRecord(const QStringList& lines, GameRecord& out, QString* error) {
    const int format = RecordFormat(lines, error);
    if (format == 0) return false;
    const qsizetype end = format >= 2 ? lines.size() - 1 : lines.size();  // the end mark left out
    GameRecord r;
    r.format = format;
    int settingsSeen = 0;
    bool mapName = false, dice = false;
    int draw = 0;  // a draw before the next move
    auto at = [](int i) { return QStringLiteral("line %1: ").arg(i + 1); };
    for (int i = 1; i < end; ++i) {
        const QString& line = lines[i];
        if (line.size() > 8000 || !Printable(line))
            return Fail(error, at(i) + QStringLiteral("it is not a line of text."));
        const bool moves = !r.moves.empty();
        if (line.startsWith(QLatin1String("[Program]="))) continue;
        if (line.startsWith(QLatin1String("[Began]="))) {
            r.began = QDateTime::fromString(line.mid(8), Qt::ISODate);
            continue;
        }
        const std::optional<QString> setting = ReadSetting(line, r.settings, settingsSeen, mapName);
        if (setting && !setting->isEmpty()) return Fail(error, at(i) + *setting);
        if (setting) continue;
        if (line.startsWith(kAnswer)) {
            Move answer;
            if (!moves || r.moves.back().answer || !ReadAnswer(line, answer))
                return Fail(
                    error,
                    at(i) + QStringLiteral("the computer's answer is damaged or out of place."));
            r.moves.back().answer = answer;
        } else if (line.startsWith(QLatin1String("[Map]="))) {
            if (moves || r.mapLines.size() >= 200)
                return Fail(error, at(i) + QStringLiteral("a map line out of place."));
            r.mapLines << line.mid(6);
        } else if (line.startsWith(QLatin1String("[Table]="))) {
            if (moves || r.table.size() > kMaxUnitLines)
                return Fail(error, at(i) + QStringLiteral("a table line out of place."));
            r.table << line.mid(8);
        } else if (line.startsWith(QLatin1String("[Var]="))) {
            if (moves || r.variables.size() >= 200)
                return Fail(error, at(i) + QStringLiteral("a variable out of place."));
            r.variables << line.mid(6);
        } else if (line.startsWith(QLatin1String("[Dice]="))) {
            Dice check;
            if (!check.SetState(line.mid(7).toStdString()))
                return Fail(error, at(i) + QStringLiteral("the dice are damaged."));
            r.dice = line.mid(7);
            dice = true;
        } else if (line.startsWith(QLatin1String("[Draw]="))) {
            bool ok = false;
            draw = line.mid(7).toInt(&ok);
            if (!ok || draw < 1 || draw > 10000)
                return Fail(error, at(i) + QStringLiteral("the draw is damaged."));
        } else {
            // A move, then the checksum of the table after it.
            Move m;
            const QString damaged = ReadMoveLine(line, m);
            if (!damaged.isEmpty()) return Fail(error, at(i) + damaged);
            if (i + 1 >= end || !lines[i + 1].startsWith(QLatin1String("[Hash]=")) ||
                lines[i + 1].size() != 15)
                return Fail(error, at(i) + QStringLiteral("the move has no checksum after it."));
            r.moves.push_back({m, lines[++i].mid(7), draw, std::nullopt});
            draw = 0;
        }
    }
    if (settingsSeen != int(std::size(kSettingKeys)) || !mapName)
        return Fail(error, QStringLiteral("The record's settings are incomplete."));
    if (!dice) return Fail(error, QStringLiteral("The record's dice are missing."));
    const QString fault = CheckFleetLines(QStringLiteral("the record's table"), r.table);
    if (!fault.isEmpty()) return Fail(error, fault);
    Game check;
    if (!SetGameVariables(check, r.variables, error)) return false;
    out = r;
    return true;
}

bool StartFromRecord(const GameRecord& record, Game& game, Settings& settings, QString* error) {
    Game started;
    // A record from before the game counted its own aircraft launches kept the count in its
    // planes setting, raised by one at set-up: the game takes the count from there, and the
    // setting is the player's again.
    Settings begun = record.settings;
    const bool ownCount = std::any_of(
        record.variables.begin(), record.variables.end(),
        [](const QString& v) { return v.startsWith(QLatin1String("PlaneAllowance=")); });
    if (!ownCount) {
        started.PlaneAllowance = begun.ReconPlanes;
        if (begun.ReconPlanes >= QLatin1Char('2') && begun.ReconPlanes <= QLatin1Char('4'))
            begun.ReconPlanes = QChar(begun.ReconPlanes.unicode() - 1);
    }
    if (!SetGameVariables(started, record.variables, error)) return false;
    if (!started.dice.SetState(record.dice.toStdString()))
        return Fail(error, QStringLiteral("The record's dice are damaged."));
    started.MemoPad.SetLines(record.mapLines);
    started.scratchpad.SetLines(record.table);
    game = started;
    settings = begun;
    return true;
}

bool PlayFirstSideMove(Rules& r, const Move& m) {
    Game& g = r.game;
    if (m.kind == MoveKind::Pass) {
        EndFirstSideMove(r);
        return true;
    }
    if (m.side != kFirstSide || !IsLegal(g, m)) return false;
    // The clicks: first on the unit, then on its target, or on the supply ship beside it.
    const UnitTable& table = g.scratchpad;
    const int unit = table.FindSide(m.code, kFirstSide);
    g.ClickColumn = table.PosX(unit);
    g.ClickRow = table.PosY(unit);
    SelectUnit(g, kFirstSide, g.ClickColumn, g.ClickRow);
    if (m.kind == MoveKind::Repair) {
        g.ClickColumn = g.RepairCellX;
        g.ClickRow = g.RepairCellY;
        RepairRequest(r, kFirstSide);
    } else {
        g.ClickColumn = m.toColumn;
        g.ClickRow = m.toRow;
        if (!SideStep(r, kFirstSide, m.toColumn, m.toRow)) return true;
    }
    EndFirstSideMove(r);
    return true;
}

bool PlayRecordedMove(Rules& r, const Move& m) {
    Game& g = r.game;
    if (!g.NetGame) return PlayFirstSideMove(r, m);
    const bool host = g.NetRole != net_role::kJoining;
    const Side own = host ? kFirstSide : kSecondSide;
    // Either side's move is held to what its board would have offered at that point.
    if ((m.kind != MoveKind::Step && m.kind != MoveKind::Repair) || !IsLegal(g, m)) return false;
    if (m.side != own) {
        // The peer's repair is taken as it comes; its step is fought at its turn token.
        if (m.kind == MoveKind::Repair) {
            ApplyMove(r, m);
        } else {
            ApplyPeersStep(r, m);
            TurnAfterPeer(r, !host, m.code);
        }
        return true;
    }
    const UnitTable& table = g.scratchpad;
    const int unit = table.FindSide(m.code, own);
    g.ClickColumn = table.PosX(unit);
    g.ClickRow = table.PosY(unit);
    SelectUnit(g, own, g.ClickColumn, g.ClickRow);
    if (m.kind == MoveKind::Repair) {
        RepairRequest(r, own);
        return true;
    }
    if (SideStep(r, own, m.toColumn, m.toRow)) HandOverToPeer(r, host);
    return true;
}

bool PlayRecorded(Rules& r, const GameRecord::Played& played) {
    if (played.draw > 0) r.game.dice.Next(played.draw);
    if (r.computer) r.computer->FollowAnswer(played.answer);
    const bool allowed =
        PlayRecordedMove(r, played.move) && !(r.computer && r.computer->AnswerRefused());
    // An answer the game did not come to (it ended first) is not kept for the next move.
    if (r.computer) r.computer->FollowAnswer(std::nullopt);
    return allowed;
}

bool Replay(const GameRecord& record, Game& game, Settings& settings, ComputerTurn* computer,
            int count, QString* error, const std::function<void(const Game&, int)>& each) {
    if (!StartFromRecord(record, game, settings, error)) return false;
    if (each) each(game, 0);
    LanguageTexts texts;
    Showing nothing(false);
    Rules rules{game, settings, texts, nothing, computer};
    const int moves = count < 0 ? int(record.moves.size()) : qMin(count, int(record.moves.size()));
    for (int k = 0; k < moves; ++k) {
        const GameRecord::Played& played = record.moves[size_t(k)];
        if (!game.GameActive || game.GameOver)
            return Fail(error,
                        QStringLiteral("Move %1 of the record comes after the end of the game.")
                            .arg(k + 1));
        if (!PlayRecorded(rules, played))
            return Fail(
                error,
                QStringLiteral("Move %1 of the record is not allowed by the rules.").arg(k + 1));
        if (RecordChecksum(record.format, game.scratchpad) != played.checksum)
            return Fail(
                error,
                QStringLiteral("After move %1 the table differs from the record's.").arg(k + 1));
        if (each) each(game, k + 1);
    }
    return true;
}

}  // namespace kvd
