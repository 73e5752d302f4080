#include "platform/desktop/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace kvd {

BoxAnswer QtMessageBoxes::Show(BoxKind kind, const QString& text, BoxButtons buttons) {
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (kind) {
        case BoxKind::Error:
            icon = QMessageBox::Critical;
            break;
        case BoxKind::Warning:
            icon = QMessageBox::Warning;
            break;
        case BoxKind::Confirmation:
            icon = QMessageBox::Question;
            break;
        case BoxKind::Information:
            icon = QMessageBox::Information;
            break;
    }
    QString shown = FittedBoxText(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const auto standard = buttons == BoxButtons::YesNo
                              ? (QMessageBox::Yes | QMessageBox::No)
                              : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(icon, QStringLiteral("Korvald"), shown, standard, QApplication::activeWindow());
    // The buttons speak the game's language, not the desktop's.
    const BoxButtonTexts& words = ButtonTexts();
    if (buttons == BoxButtons::YesNo) {
        box.button(QMessageBox::Yes)->setText(words.yes);
        box.button(QMessageBox::No)->setText(words.no);
        // Enter answers Yes. Esc or closing the box answers neither: a hidden button takes
        // them, so a question put away is not taken for No.
        box.setDefaultButton(QMessageBox::Yes);
        QPushButton* away = box.addButton(QMessageBox::Cancel);
        away->hide();
        box.setEscapeButton(away);
    } else {
        box.button(QMessageBox::Ok)->setText(words.ok);
    }
    // The game's windows may hide the cursor; a message box always needs one.
    box.setCursor(Qt::ArrowCursor);
    box.exec();
    if (buttons == BoxButtons::Ok) return BoxAnswer::Ok;
    QAbstractButton* clicked = box.clickedButton();
    if (clicked == box.button(QMessageBox::Yes)) return BoxAnswer::Yes;
    if (clicked == box.button(QMessageBox::No)) return BoxAnswer::No;
    return BoxAnswer::Dismissed;
}

}  // namespace kvd
