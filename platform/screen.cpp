#include "platform/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>
#include <vector>

namespace kvd {

namespace {
QRect PrimaryGeometry() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}
}  // namespace

int LogicalScreen::Width() const {
    return PrimaryGeometry().width();
}
int LogicalScreen::Height() const {
    return PrimaryGeometry().height();
}

int WorkHeight(const Screen& screen, int p) {
    return screen.Height() * p / 100;
}
int WorkWidth(const Screen& screen, int p) {
    return screen.Width() * p / 100;
}

double HiDpiScaleFactor(int displayWidth) {
    if (displayWidth <= kLogicalScreenWidth) return 1.0;
    return double(displayWidth) / kLogicalScreenWidth;
}

double ApplyHiDpiRule(int argc, char** argv) {
    int width = 0;
    {
        // A throw-away instance just to measure the display; Qt allows a new one afterwards.
        // It gets its own copy of the arguments, since Qt takes out the ones it understands.
        std::vector<char*> probeArgv(argv, argv + argc);
        probeArgv.push_back(nullptr);
        int probeArgc = argc;
        QGuiApplication probe(probeArgc, probeArgv.data());
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            width = screen->geometry().width();
    }
    const double factor = HiDpiScaleFactor(width);
    if (factor == 1.0) return 1.0;
    double existing = 1.0;
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        existing = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
        if (existing <= 0) existing = 1.0;
    }
    qputenv("QT_SCALE_FACTOR", QByteArray::number(existing * factor, 'g', 10));
    return factor;
}

}  // namespace kvd
