#include <gtest/gtest.h>
#include <QApplication>
#include <QEvent>

namespace {

// Nobody looks at the offscreen screen, so windows are not painted into it after every
// change: that copied the whole window each time the game waited or played a sound. What the
// tests check is drawn into the windows' canvases and widgets; grab() and render() still paint
// a window on demand, and a window that is shown is painted once.
struct NoScreenUpdates : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::UpdateRequest;
    }
};

}  // namespace

// Every test program runs with a real QApplication on the offscreen platform, so widgets,
// pictures and fonts behave as in the game without a display.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    NoScreenUpdates noScreenUpdates;
    app.installEventFilter(&noScreenUpdates);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
