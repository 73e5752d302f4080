#include <QApplication>
#include <QIcon>

#include "app/program.h"
#include "platform/desktop/real_platform.h"

int main(int argc, char** argv) {
    kvd::ApplyHiDpiRule(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvald"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icons/korvald.png")));
    // Ties the windows to the installed menu entry, so the desktop shows its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("korvald"));
    // The program ends through its own menu, Esc or a failed start, never by a window closing.
    QApplication::setQuitOnLastWindowClosed(false);

    // The program folder beside the executable, or the installed data in ../share/korvald
    // with the player's files in ~/.local/share/korvald: MakeRealPlatform decides.
    kvd::Platform platform = kvd::MakeRealPlatform(QCoreApplication::applicationDirPath());
    kvd::Program program(platform);
    if (program.Ended()) return 1;
    program.OnEnd = [&program] { QCoreApplication::exit(program.ExitStatus()); };
    // korvald --replay FILE shows a game record before anything else.
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype replay = arguments.indexOf(QStringLiteral("--replay"));
    if (replay < 0 || replay + 1 >= arguments.size() || !program.StartReplay(arguments[replay + 1]))
        program.Start();
    return app.exec();
}
