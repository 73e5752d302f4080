#include "frontend/about_form.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "core/context.h"
#include "core/game_sound.h"
#include "platform/desktop/window_style.h"
#include "platform/platform.h"

namespace kvd {

namespace {
void Colour(QLabel* line, const QColor& colour) {
    line->setStyleSheet(TextColourSheet(colour));
}
}  // namespace

TAboutForm::TAboutForm(Context& context, QWidget* parent) : QWidget(parent), context_(context) {
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(616, 239);
    setFocusPolicy(Qt::StrongFocus);
    // Over the menu and holding it: nothing behind can be started until the window closes.
    setWindowModality(Qt::ApplicationModal);
    PaintBlack(*this);

    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("AboutPanel"));
    panel_->setGeometry(8, 8, 600, 223);
    panel_->setStyleSheet(
        QStringLiteral("#AboutPanel { border: 1px solid %1; }").arg(MenuTextColour().name()));
    panel_->setMouseTracking(true);
    panel_->installEventFilter(this);
    auto line = [&](int y) {
        auto* label = new QLabel(panel_);
        label->setGeometry(0, y, 600, 34);
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setPixelSize(21);
        label->setFont(font);
        Colour(label, MenuTextColour());
        return label;
    };
    NameLine = line(14);
    MakerLine = line(54);
    MailLine = line(94);
    WebLine = line(134);
    MailLine->setText(kMakerMail);
    WebLine->setText(kMakerWeb);
    for (QLabel* link : {MailLine, WebLine}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
    // Without a window manager there is no frame to close the window by: a button of its own.
    CloseButton = new QPushButton(panel_);
    CloseButton->setGeometry(225, 178, 150, 32);
    CloseButton->setCursor(Qt::PointingHandCursor);
    CloseButton->setFocusPolicy(Qt::NoFocus);
    CloseButton->setStyleSheet(
        QStringLiteral("QPushButton { color: %1; background: #101418; border: 1px solid %1; "
                       "font-size: 16px; } QPushButton:hover { color: %2; border-color: %2; }")
            .arg(MenuTextColour().name(), MenuHoverColour().name()));
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    Relabel();
}

void TAboutForm::Relabel() {
    const LanguageTexts& texts = context_.texts;
    auto text = [&](int n, const char* english) {
        return texts.TextOr(n, QString::fromLatin1(english));
    };
    setWindowTitle(text(73, "About"));
    NameLine->setText(QStringLiteral("Korvald ") + QStringLiteral(KORVALD_VERSION) +
                      text(199, ", build ") + QStringLiteral(KORVALD_BUILD_DATE));
    MakerLine->setText(text(200, "The Korvald developers") + QStringLiteral(", 2026"));
    CloseButton->setText(text(196, "Close"));
}

void TAboutForm::ShowCentred() {
    const Screen& screen = *context_.platform.screen;
    Relabel();
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
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
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
