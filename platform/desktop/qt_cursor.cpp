#include "platform/desktop/qt_cursor.h"

#include <QWidget>

namespace kvd {

void QtCursor::Set(QWidget* window, CursorShape shape) {
    if (!window) return;
    switch (shape) {
        case CursorShape::Hidden:
            window->setCursor(Qt::BlankCursor);
            break;
        case CursorShape::Arrow:
            window->setCursor(Qt::ArrowCursor);
            break;
        case CursorShape::Hand:
            window->setCursor(Qt::PointingHandCursor);
            break;
    }
}

}  // namespace kvd
