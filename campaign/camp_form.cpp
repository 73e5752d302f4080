#include "campaign/camp_form.h"

#include <QKeyEvent>

#include "core/context.h"
#include "core/game.h"
#include "core/game_setup.h"
#include "core/game_sound.h"
#include "core/text_ids.h"
#include "platform/desktop/window_style.h"
#include "platform/platform.h"

namespace kvd {

namespace {
// The regions in their order on the window: their captions as built and their messages.
struct Region {
    const char* caption;
    int message;
};
constexpr Region kRegions[8] = {{"North Atlantic", 19},  {"North Sea", 20},
                                {"English Channel", 21}, {"North Africa", 83},
                                {"Solomon Islands", 84}, {"Phillipines", 85},
                                {"Pacific Islands", 86}, {"Japanese Islands", 87}};
constexpr int kWidth = 690;
constexpr int kHeight = 560;
}  // namespace

TCampForm::TCampForm(Context& context, Game& game, GameSetup& setup, QWidget* parent)
    : QWidget(parent), context_(context), game_(game), setup_(setup) {
    StyleFullScreenWindow(*this);
    BuildLayout();
}

void TCampForm::BuildLayout() {
    Fonts& fonts = *context_.platform.fonts;
    const QString frame = QStringLiteral("#%1 { background: black; border: 1px solid %2; }");
    auto panel = [&](QWidget* parent, const char* name, QRect rect) {
        auto* p = new QWidget(parent);
        p->setObjectName(QLatin1String(name));
        p->setGeometry(rect);
        p->setStyleSheet(frame.arg(QLatin1String(name), MenuTextColour().name()));
        p->setMouseTracking(true);
        p->installEventFilter(this);
        return p;
    };
    auto label = [&](QWidget* parent, const QString& text, QRect rect, int px) {
        auto* l = new QLabel(text, parent);
        l->setGeometry(rect);
        l->setAlignment(Qt::AlignCenter);
        l->setFont(fonts.TitleFont(px));
        l->setStyleSheet(TextColourSheet(MenuTextColour()) +
                         QStringLiteral(" background: transparent;"));
        l->setMouseTracking(true);
        l->installEventFilter(this);
        return l;
    };
    Panel6 = panel(this, "Panel6", QRect(0, 0, kWidth, kHeight));
    Label1 =
        label(Panel6, QStringLiteral("Campaign Mode - Best Of 3"), QRect(0, 14, kWidth, 60), 44);
    Panel5 = panel(Panel6, "Panel5", QRect(20, 86, kWidth - 40, 374));
    // Two columns of four regions: Europe on the left, the Pacific on the right.
    static const char* const kPanelNames[8] = {"Panel2",  "Panel4",  "Panel7",  "Panel9",
                                               "Panel10", "Panel11", "Panel12", "Panel13"};
    for (int r = 0; r < 8; ++r) {
        const QRect rect(r < 4 ? 14 : 330, 14 + (r % 4) * 88, 306, 74);
        RegionPanels[r] = panel(Panel5, kPanelNames[r], rect);
        Regions[r] =
            label(RegionPanels[r], QLatin1String(kRegions[r].caption), QRect(2, 2, 302, 70), 30);
        Regions[r]->setCursor(Qt::PointingHandCursor);
    }
    Panel1 = panel(Panel6, "Panel1", QRect(245, 478, 200, 60));
    Label10 = label(Panel1, QStringLiteral("Cancel"), QRect(2, 2, 196, 56), 32);
    Label10->setCursor(Qt::PointingHandCursor);
}

void TCampForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
    TakeKeyboard(*this);
}

void TCampForm::FormShow() {
    const LanguageTexts& texts = context_.texts;
    const Screen& screen = *context_.platform.screen;
    setGeometry(0, 0, screen.Width(), screen.Height());
    Label10->setText(texts.Text(text::kCancel));
    Label1->setText(texts.Text(text::kCampaignTitle));
    for (int r = 0; r < 8; ++r) Regions[r]->setText(texts.Text(kRegions[r].message));
    Panel6->move((screen.Width() - kWidth) / 2, (screen.Height() - kHeight) / 2);
    hovered_ = -1;
    Hover(0);
    context_.platform.cursor->Set(this, CursorShape::Arrow);
}

void TCampForm::RegionClick(int region) {
    game_.CampaignRegion = region;
    game_.GameMode = mode::kFirstStage;
    context_.platform.cursor->Set(this, CursorShape::Hidden);
    PlaySound(context_.platform, context_.settings, QStringLiteral("Bell"), false);
    hovered_ = 0;
    Hover(0);
    hide();
    setup_.GameInit();
}

void TCampForm::Label10Click() {
    PlaySound(context_.platform, context_.settings, QStringLiteral("Click"), true);
    hide();
    game_.CampaignRegion = 0;
    game_.GameMode = mode::kSingleGame;
    flow->BackToMenu();
}

void TCampForm::Panel1Click() {
    flow->BackToMenu();
}

void TCampForm::Hover(int label) {
    if (label == hovered_) return;
    if (label != 0) PlaySound(context_.platform, context_.settings, QStringLiteral("Click"), true);
    hovered_ = label;
    for (int r = 0; r < 8; ++r)
        Regions[r]->setStyleSheet(
            TextColourSheet(label == r + 1 ? MenuHoverColour() : MenuTextColour()) +
            QStringLiteral(" background: transparent;"));
    Label10->setStyleSheet(TextColourSheet(label == 9 ? MenuHoverColour() : MenuTextColour()) +
                           QStringLiteral(" background: transparent;"));
}

void TCampForm::keyPressEvent(QKeyEvent* event) {
    // Esc is Cancel, as a player expects of a menu window.
    if (event->key() == Qt::Key_Escape)
        Label10Click();
    else
        QWidget::keyPressEvent(event);
}

bool TCampForm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    for (int r = 0; r < 8; ++r) {
        if (watched != Regions[r] && watched != RegionPanels[r]) continue;
        if (type == QEvent::Enter || type == QEvent::MouseMove) Hover(r + 1);
        if (type == QEvent::MouseButtonRelease && watched == Regions[r]) RegionClick(r + 1);
        return QWidget::eventFilter(watched, event);
    }
    if (watched == Label10) {
        if (type == QEvent::Enter) Hover(9);
        if (type == QEvent::MouseButtonRelease) Label10Click();
    } else if (watched == Panel1 && type == QEvent::MouseButtonRelease) {
        Panel1Click();
    } else if (watched == Panel5 && type == QEvent::MouseMove) {
        Hover(0);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kvd
