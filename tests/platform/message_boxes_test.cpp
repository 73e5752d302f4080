#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "platform/desktop/qt_message_boxes.h"

namespace {

// Acts on the box once it is open: the test's hand on the keys and buttons.
kvd::BoxAnswer AnswerWith(const std::function<void(QMessageBox&)>& hand) {
    QTimer::singleShot(0, [hand] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) hand(*box);
    });
    kvd::QtMessageBoxes boxes;
    return boxes.Show(kvd::BoxKind::Confirmation, QStringLiteral("Resume it?"),
                      kvd::BoxButtons::YesNo);
}

void Press(QWidget& box, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&box, &press);
}

}  // namespace

// Esc or closing a question puts it away: neither Yes nor No, so a caller may treat it as "not
// now" rather than as a refusal; the buttons still answer as they say.
TEST(QtMessageBoxes, EscPutsAQuestionAwayWithoutAnsweringIt) {
    EXPECT_EQ(AnswerWith([](QMessageBox& box) { Press(box, Qt::Key_Escape); }),
              kvd::BoxAnswer::Dismissed);
    EXPECT_EQ(AnswerWith([](QMessageBox& box) { box.close(); }), kvd::BoxAnswer::Dismissed);
    EXPECT_EQ(AnswerWith([](QMessageBox& box) { box.button(QMessageBox::No)->click(); }),
              kvd::BoxAnswer::No);
    EXPECT_EQ(AnswerWith([](QMessageBox& box) { Press(box, Qt::Key_Return); }),
              kvd::BoxAnswer::Yes);
    // The hidden button that takes Esc is not one the player sees.
    AnswerWith([](QMessageBox& box) {
        int shown = 0;
        for (QAbstractButton* button : box.buttons()) shown += button->isVisible();
        EXPECT_EQ(shown, 2);
        box.button(QMessageBox::Yes)->click();
    });
}

// A name read from a file can be any length: the box cuts it in the middle and stays on the
// screen, and words of ordinary length are left whole.
TEST(QtMessageBoxes, ALongNameIsCutWithAnEllipsisAndTheBoxFitsTheScreen) {
    const QString name = QStringLiteral("maps") + QString(5000, QChar('x')) + QStringLiteral("END");
    const QString text = QStringLiteral("The settings name ") + name + QStringLiteral(" - no map.");
    const QString fitted = kvd::FittedBoxText(text);
    EXPECT_LT(fitted.size(), 120);
    EXPECT_TRUE(fitted.startsWith(QStringLiteral("The settings name maps")));
    EXPECT_TRUE(fitted.contains(QChar(0x2026)));
    EXPECT_TRUE(fitted.endsWith(QStringLiteral("END - no map.")));
    EXPECT_EQ(kvd::FittedBoxText(QStringLiteral("A battle\rwas left.")),
              QStringLiteral("A battle\rwas left."));
    int width = 0;
    QTimer::singleShot(0, [&width] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            width = box->sizeHint().width();
            box->close();
        }
    });
    kvd::QtMessageBoxes boxes;
    boxes.Show(kvd::BoxKind::Warning, text, kvd::BoxButtons::Ok);
    EXPECT_GT(width, 0);
    EXPECT_LT(width, 1024);
}
