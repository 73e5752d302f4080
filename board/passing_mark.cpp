#include "board/passing_mark.h"

#include "board/board_painter.h"

namespace kvd {

void PassingMark::Show(const QRect& area, const std::function<void()>& draw) {
    Clear();
    if (!paint_.Seen()) return;
    area_ = area;
    under_ = paint_.Grab(area);
    draw();
    over_ = paint_.Grab(area);
}

bool PassingMark::Showing() const {
    return !over_.isNull() && paint_.Seen() && paint_.Grab(area_) == over_;
}

void PassingMark::Clear() {
    if (Showing()) paint_.PutBack(under_, area_.topLeft());
    under_ = over_ = QImage();
}

}  // namespace kvd
