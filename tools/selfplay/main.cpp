// The self-play simulator: plays whole games of the computer opponent against a simple
// scripted player (or the Admiral on either side), headless, and prints one line about them.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "tools/selfplay/self_play.h"

namespace {
bool Letter(const QString& value, const QString& allowed, QChar& out) {
    if (value.size() != 1 || !allowed.contains(value[0])) return false;
    out = value[0];
    return true;
}

// The simulator's options, and the games they ask for.
struct CommandLine {
    const QCommandLineOption games{QStringLiteral("games"), QStringLiteral("Games to play."),
                                   QStringLiteral("N"), QStringLiteral("100")};
    const QCommandLineOption seed{QStringLiteral("seed"), QStringLiteral("Seed of every draw."),
                                  QStringLiteral("S"), QStringLiteral("1")};
    const QCommandLineOption mode{QStringLiteral("mode"),
                                  QStringLiteral("0 single game, 1 to 3 campaign stage."),
                                  QStringLiteral("0|1|2|3"), QStringLiteral("0")};
    const QCommandLineOption campaign{
        QStringLiteral("campaign"), QStringLiteral("Whole campaigns of three stages in a region."),
        QStringLiteral("1..8"), QStringLiteral("0")};
    const QCommandLineOption navy{QStringLiteral("navy"), QStringLiteral("The player's navy."),
                                  QStringLiteral("E|D|U|J"), QStringLiteral("E")};
    const QCommandLineOption map{QStringLiteral("map"), QStringLiteral("Map of single games."),
                                 QStringLiteral("NAME"), QStringLiteral("$STANDARD")};
    const QCommandLineOption planes{QStringLiteral("planes"),
                                    QStringLiteral("Reconnaissance planes."),
                                    QStringLiteral("0..3"), QStringLiteral("1")};
    const QCommandLineOption reveal{QStringLiteral("reveal"),
                                    QStringLiteral("Reveal identified ships."),
                                    QStringLiteral("Y|N"), QStringLiteral("Y")};
    const QCommandLineOption flag{QStringLiteral("flag"), QStringLiteral("Transfer the flag."),
                                  QStringLiteral("Y|N"), QStringLiteral("Y")};
    const QCommandLineOption damage{QStringLiteral("damage"), QStringLiteral("Additional damage."),
                                    QStringLiteral("Y|N"), QStringLiteral("N")};
    const QCommandLineOption record{QStringLiteral("record"),
                                    QStringLiteral("Write each game's record into a folder."),
                                    QStringLiteral("DIR")};
    const QCommandLineOption checkRecords{
        QStringLiteral("check-records"),
        QStringLiteral(
            "Play every record of a folder again and count those that reproduce their tables."),
        QStringLiteral("DIR")};
    const QCommandLineOption trace{
        QStringLiteral("trace"),
        QStringLiteral("A running checksum of the tables, a line per game, on stderr.")};
    const QCommandLineOption first{QStringLiteral("first"),
                                   QStringLiteral("The first side's player."),
                                   QStringLiteral("scripted|admiral"), QStringLiteral("scripted")};
    const QCommandLineOption second{QStringLiteral("second"),
                                    QStringLiteral("The second side's player."),
                                    QStringLiteral("standard|admiral"), QStringLiteral("standard")};
    const QCommandLineOption think{QStringLiteral("think"),
                                   QStringLiteral("The Admiral's time to think over a move."),
                                   QStringLiteral("MS"), QStringLiteral("250")};
    const QCommandLineOption worlds{
        QStringLiteral("worlds"),
        QStringLiteral("The Admiral's worlds a move, with no time limit, in place of --think: a "
                       "search that counts its work rather than timing it, for measuring."),
        QStringLiteral("N"), QStringLiteral("0")};

    void AddTo(QCommandLineParser& parser) const {
        parser.addOptions({games, seed, mode, campaign, navy, map, planes, reveal, flag, damage,
                           trace, record, checkRecords, first, second, think, worlds});
    }
    // The options of the games; false for a value out of range.
    bool Read(const QCommandLineParser& parser, kvd::SelfPlayOptions& options) const;
};

bool CommandLine::Read(const QCommandLineParser& parser, kvd::SelfPlayOptions& options) const {
    bool ok = true, number = false;
    options.games = parser.value(games).toInt(&number);
    ok = ok && number && options.games > 0;
    options.seed = parser.value(seed).toUInt(&number);
    ok = ok && number;
    options.mode = parser.value(mode).toInt(&number);
    ok = ok && number && options.mode >= 0 && options.mode <= 3;
    options.campaign = parser.value(campaign).toInt(&number);
    ok = ok && number && options.campaign >= 0 && options.campaign <= 8;
    ok = ok && Letter(parser.value(navy), QStringLiteral("EDUJ"), options.navy);
    ok = ok && Letter(parser.value(planes), QStringLiteral("0123"), options.planes);
    ok = ok && Letter(parser.value(reveal), QStringLiteral("YN"), options.reveal);
    ok = ok && Letter(parser.value(flag), QStringLiteral("YN"), options.flag);
    ok = ok && Letter(parser.value(damage), QStringLiteral("YN"), options.damage);
    const QString firstPlayer = parser.value(first), secondPlayer = parser.value(second);
    ok =
        ok && (firstPlayer == QLatin1String("scripted") || firstPlayer == QLatin1String("admiral"));
    ok = ok &&
         (secondPlayer == QLatin1String("standard") || secondPlayer == QLatin1String("admiral"));
    options.firstAdmiral = firstPlayer == QLatin1String("admiral");
    options.secondAdmiral = secondPlayer == QLatin1String("admiral");
    options.thinkMs = parser.value(think).toInt(&number);
    ok = ok && number && options.thinkMs >= 1 && options.thinkMs <= 1000;
    options.worlds = parser.value(worlds).toInt(&number);
    ok = ok && number && options.worlds >= 0 && options.worlds <= 50;
    options.map = parser.value(map);
    options.trace = parser.isSet(trace);
    options.recordFolder = parser.value(record);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays Korvald against itself and counts the results."));
    parser.addHelpOption();
    const CommandLine command;
    command.AddTo(parser);
    parser.process(app);

    if (parser.isSet(command.checkRecords)) {
        const kvd::RecordCheck check = kvd::CheckRecords(parser.value(command.checkRecords));
        if (!check.firstFailure.isEmpty())
            std::fprintf(stderr, "not reproduced: %s\n", qPrintable(check.firstFailure));
        std::fflush(stderr);
        std::printf("records %d, reproduced %d\n", check.records, check.reproduced);
        return check.records == check.reproduced ? 0 : 1;
    }

    kvd::SelfPlayOptions options;
    const bool ok = command.Read(parser, options);
    if (!options.recordFolder.isEmpty() && !QDir().mkpath(options.recordFolder)) {
        std::fprintf(stderr, "korvald-selfplay: cannot make the folder %s\n",
                     qPrintable(options.recordFolder));
        return 2;
    }
    if (!ok) {
        std::fprintf(stderr, "korvald-selfplay: an option's value is out of range (see --help)\n");
        return 2;
    }

    kvd::SelfPlay play(QCoreApplication::applicationDirPath(), options);
    kvd::SelfPlayTally tally;
    if (!play.Run(tally)) {
        std::fprintf(stderr, "korvald-selfplay: a game could not be set up: %s\n",
                     qPrintable(play.Error().simplified()));
        return 2;
    }
    for (const QString& line : tally.campaignLines) std::printf("%s\n", qPrintable(line));
    std::printf("%s\n", qPrintable(tally.Summary()));
    std::fflush(stdout);
    if (!tally.thinkMs.empty())
        std::fprintf(stderr, "think median %.1f ms, longest %.1f ms, over %d moves\n",
                     tally.ThinkMedian(), tally.ThinkLongest(), int(tally.thinkMs.size()));
    if (options.firstAdmiral && !tally.thinkMs.empty()) {
        const double moves = double(tally.thinkMs.size());
        std::fprintf(stderr,
                     "submarines beside the flagship a move: worlds %.4f, games %.4f; moves into a "
                     "recent position %.1f %%\n",
                     tally.worldSubmarinesBeside / moves, tally.realSubmarinesBeside / moves,
                     100.0 * double(tally.repeatedMoves) / moves);
    }
    if (options.campaign > 0) std::printf("%s\n", qPrintable(tally.CampaignSummary()));
    if (tally.violations > 0) {
        std::fprintf(stderr, "invariant broken: %s\n", qPrintable(tally.firstViolation));
        return 1;
    }
    return 0;
}
