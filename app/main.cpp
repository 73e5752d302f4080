#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/picture.h"
#include "platform/platform.h"

namespace {

// The first window: the title picture and the title, proving pictures, fonts and sound reach
// the screen. Esc or a click closes it.
class TitleWindow : public kvd::CanvasWindow {
protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) close();
    }
    void mousePressEvent(QMouseEvent*) override { close(); }
};

}  // namespace

int main(int argc, char** argv) {
    kvd::ApplyHiDpiRule(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvald"));

    kvd::Platform platform = kvd::MakeRealPlatform(QCoreApplication::applicationDirPath());
    platform.fonts->LoadTitleFont();

    const int width = platform.screen->Width();
    const int height = platform.screen->Height();
    TitleWindow window;
    window.setWindowTitle(QStringLiteral("Korvald"));
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.ResizeCanvas(width, height);

    kvd::Picture title;
    if (kvd::LoadJPEGFromRes(*platform.resources, QStringLiteral("TITLE2"), title)) {
        const int w = qMin(title.Width(), width), h = title.Height() * w / qMax(1, title.Width());
        title.StretchDraw(window.Canvas(), QRect((width - w) / 2, (height - h) / 2, w, h));
    }
    QPainter painter(&window.Canvas());
    painter.setPen(kvd::BgrColor(10862545));
    painter.setFont(platform.fonts->TitleFont(51));
    painter.drawText(QRect(0, height / 12, width, 80), Qt::AlignCenter, QStringLiteral("Korvald"));
    painter.end();

    window.setGeometry(0, 0, width, height);
    window.showFullScreen();
    window.CanvasChanged();
    platform.sound->Play(QStringLiteral("XING"), false);
    return app.exec();
}
