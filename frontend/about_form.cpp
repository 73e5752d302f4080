#include "frontend/about_form.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "core/context.h"
#include "core/game_sound.h"
#include "platform/desktop/window_style.h"
#include "platform/platform.h"

namespace kvd {

namespace {
void Colour(QLabel* line, const QColor& colour) { line->setStyleSheet(TextColourSheet(colour)); }
}  // namespace

TAboutForm::TAboutForm(Context& context, QWidget* parent) : QWidget(parent), context_(context) {
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(616, 239);
    setFocusPolicy(Qt::StrongFocus);
    PaintBlack(*this);

    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("AboutPanel"));
    panel_->setGeometry(8, 8, 600, 223);
    panel_->setStyleSheet(QStringLiteral("#AboutPanel { border: 1px solid %1; }").arg(MenuTextColour().name()));
    panel_->setMouseTracking(true);
    panel_->installEventFilter(this);
    auto line = [&](const QString& text, int y) {
        auto* label = new QLabel(text, panel_);
        label->setGeometry(0, y, 600, 34);
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setPixelSize(21);
        label->setFont(font);
        Colour(label, MenuTextColour());
        return label;
    };
    NameLine = line(QStringLiteral("Korvald %1, build %2")
                        .arg(QStringLiteral(KORVALD_VERSION), QStringLiteral(KORVALD_BUILD_DATE)),
                    28);
    MakerLine = line(QStringLiteral("The Korvald developers, 2026"), 74);
    MailLine = line(kMakerMail, 120);
    WebLine = line(kMakerWeb, 166);
    for (QLabel* link : {MailLine, WebLine}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
}

void TAboutForm::ShowCentred() {
    const Screen& screen = *context_.platform.screen;
    move((screen.Width() - width()) / 2, (screen.Height() - height()) / 2);
    show();
    TakeKeyboard(*this);
}

void TAboutForm::MailClick() {
    PlaySound(context_.platform, context_.settings, QStringLiteral("Click"), false);
    Colour(MailLine, MenuHoverColour());
    context_.platform.shell->Open(QStringLiteral("mailto:") + kMakerMail);
}

void TAboutForm::WebClick() {
    PlaySound(context_.platform, context_.settings, QStringLiteral("Click"), false);
    Colour(WebLine, MenuHoverColour());
    context_.platform.shell->Open(kMakerWeb);
}

void TAboutForm::PanelHover() {
    Colour(MailLine, MenuTextColour());
    Colour(WebLine, MenuTextColour());
}

void TAboutForm::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    flow->BackToMenu();
}

void TAboutForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) close();
    else QWidget::keyPressEvent(event);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == MailLine) MailClick();
        if (watched == WebLine) WebClick();
    }
    if (watched == panel_ && event->type() == QEvent::MouseMove) PanelHover();
    return QWidget::eventFilter(watched, event);
}

}  // namespace kvd
