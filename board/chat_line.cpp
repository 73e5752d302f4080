#include "board/chat_line.h"

#include <QKeyEvent>

#include "platform/desktop/window_style.h"
#include "play/network_board.h"

namespace kvd {

ChatLine::ChatLine(QWidget* board) : QLineEdit(board) {
    setMaxLength(NetworkBoard::kLongestChat);
    QFont type = font();
    type.setPixelSize(16);
    setFont(type);
    const QString colour = MenuTextColour().name();
    setStyleSheet(QStringLiteral("QLineEdit { color: %1; background: #101418; border: 1px solid "
                                 "%1; padding-left: 4px; }")
                      .arg(colour));
    hide();
}

void ChatLine::Open(const QRect& box, const QString& prompt,
                    std::function<void(const QString&)> send) {
    send_ = std::move(send);
    setGeometry(box.left(), box.top(), box.width(), 30);
    setPlaceholderText(prompt);
    clear();
    show();
    raise();
    setFocus();
}

void ChatLine::Close() {
    hide();
    clear();
    // The board takes the keys again.
    if (parentWidget()) parentWidget()->setFocus();
}

void ChatLine::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            const QString typed = text().trimmed();
            Close();
            if (!typed.isEmpty() && send_) send_(typed);
            return;
        }
        // Esc closes the line; it must not reach the board, where it ends the program.
        case Qt::Key_Escape:
            Close();
            return;
        default:
            QLineEdit::keyPressEvent(event);
    }
}

}  // namespace kvd
