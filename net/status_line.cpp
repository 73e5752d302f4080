#include "net/status_line.h"

#include <QLabel>

namespace kvd {

StatusLine::StatusLine(QLabel* label, int holdMs) : label_(label), holdMs_(holdMs) {
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hold_.setSingleShot(true);
    connect(&hold_, &QTimer::timeout, this, [this] { Next(); });
}

void StatusLine::Say(const QString& text) {
    const QString& last = waiting_.empty() ? label_->text() : waiting_.back();
    if (text == last) return;
    if (!hold_.isActive()) {
        label_->setText(text);
        hold_.start(holdMs_);
        return;
    }
    waiting_.push_back(text);
    if (int(waiting_.size()) > kWaiting) waiting_.pop_front();
}

void StatusLine::Set(const QString& text) {
    waiting_.clear();
    hold_.stop();
    label_->setText(text);
}

void StatusLine::Next() {
    if (waiting_.empty()) return;
    label_->setText(waiting_.front());
    waiting_.pop_front();
    hold_.start(holdMs_);
}

}  // namespace kvd
