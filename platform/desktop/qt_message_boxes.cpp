#include "platform/desktop/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace kvd {

BoxAnswer QtMessageBoxes::Show(BoxKind kind, const QString& text, BoxButtons buttons) {
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (kind) {
        case BoxKind::Error: icon = QMessageBox::Critical; break;
        case BoxKind::Warning: icon = QMessageBox::Warning; break;
        case BoxKind::Confirmation: icon = QMessageBox::Question; break;
        case BoxKind::Information: icon = QMessageBox::Information; break;
    }
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const auto standard = buttons == BoxButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No)
                                                       : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(icon, QStringLiteral("Korvald"), shown, standard, QApplication::activeWindow());
    // Enter answers Yes.
    if (buttons == BoxButtons::YesNo) box.setDefaultButton(QMessageBox::Yes);
    // The game's windows may hide the cursor; a message box always needs one.
    box.setCursor(Qt::ArrowCursor);
    const int result = box.exec();
    if (buttons == BoxButtons::Ok) return BoxAnswer::Ok;
    return result == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
}

}  // namespace kvd
