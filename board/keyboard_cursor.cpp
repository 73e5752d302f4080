#include "board/keyboard_cursor.h"

#include <Qt>

#include "board/board_painter.h"
#include "core/unit_table.h"

namespace kvd {

void KeyboardCursor::Step(QPoint by) {
    MoveTo(cell_.x() + by.x(), cell_.y() + by.y());
}

void KeyboardCursor::MoveTo(int column, int row) {
    cell_ = QPoint(qBound(0, column, kBoardSize - 1), qBound(0, row, kBoardSize - 1));
    active_ = true;
}

void KeyboardCursor::Redraw() {
    if (!active_) return;
    mark_.Show(paint_.Cell(cell_.x(), cell_.y()),
               [&] { paint_.DrawCursorFrame(cell_.x(), cell_.y()); });
}

QPoint CursorStep(int key) {
    switch (key) {
        case Qt::Key_Left:
            return {-1, 0};
        case Qt::Key_Right:
            return {1, 0};
        case Qt::Key_Up:
            return {0, -1};
        case Qt::Key_Down:
            return {0, 1};
        case Qt::Key_Home:
            return {-1, -1};
        case Qt::Key_PageUp:
            return {1, -1};
        case Qt::Key_End:
            return {-1, 1};
        case Qt::Key_PageDown:
            return {1, 1};
        default:
            return {0, 0};
    }
}

int KeypadAsDirection(int key, bool keypad) {
    if (!keypad) return key;
    switch (key) {
        case Qt::Key_1:
            return Qt::Key_End;
        case Qt::Key_2:
            return Qt::Key_Down;
        case Qt::Key_3:
            return Qt::Key_PageDown;
        case Qt::Key_4:
            return Qt::Key_Left;
        case Qt::Key_6:
            return Qt::Key_Right;
        case Qt::Key_7:
            return Qt::Key_Home;
        case Qt::Key_8:
            return Qt::Key_Up;
        case Qt::Key_9:
            return Qt::Key_PageUp;
        default:
            return key;
    }
}

}  // namespace kvd
