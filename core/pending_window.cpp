#include "core/pending_window.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "core/context.h"
#include "core/window_style.h"
#include "platform/platform.h"

namespace kvd {

PendingWindow::PendingWindow(Context& context, int headingMessage, QWidget* parent)
    : QWidget(parent), context_(context), headingMessage_(headingMessage) {
    StyleFullScreenWindow(*this);
    heading_ = new QLabel(this);
    heading_->setAlignment(Qt::AlignCenter);
    heading_->setStyleSheet(TextColourSheet(MenuTextColour()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
}

void PendingWindow::ShowFullScreen() {
    heading_->setFont(context_.platform.fonts->TitleFont(51));
    heading_->setText(context_.texts.Text(headingMessage_));
    const Screen& screen = *context_.platform.screen;
    setGeometry(0, 0, screen.Width(), screen.Height());
    showFullScreen();
    TakeKeyboard(*this);
    context_.platform.cursor->Set(this, CursorShape::Arrow);
}

void PendingWindow::Back() {
    hide();
    flow->BackToMenu();
}

void PendingWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) Back();
    else QWidget::keyPressEvent(event);
}

void PendingWindow::mouseReleaseEvent(QMouseEvent*) { Back(); }

}  // namespace kvd
