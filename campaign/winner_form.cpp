#include "campaign/winner_form.h"

#include "core/navy.h"

#include <QBuffer>
#include <QMouseEvent>

#include "campaign/battle_chart.h"
#include "campaign/campaign_rules.h"
#include "core/context.h"
#include "core/game.h"
#include "core/game_setup.h"
#include "core/game_sound.h"
#include "core/text_ids.h"
#include "core/unit_codes.h"
#include "platform/desktop/window_style.h"
#include "platform/platform.h"
#include "play/campaign_tally.h"

namespace kvd {

namespace {
constexpr int kPanelWidth = 730;
constexpr int kPanelHeight = 555;

// What a navy's victory shows: its line, its ship's name, flag, emblem and ship.
struct NavyShow {
    QChar navy;
    int wins, ship;
    const char *flag, *emblem, *photo;
};
constexpr NavyShow kNavies[] = {
    {QLatin1Char('E'), 53, 54, "ENGFLAG", "RNEMBLEM", "KINGGEORGEV"},
    {QLatin1Char('D'), 55, 56, "GERFLAG", "GEREMBLEM", "BISMARCK"},
    {QLatin1Char('U'), 68, 69, "USFLAG", "USEMBLEM", "WASHINGTON"},
    {QLatin1Char('J'), 70, 71, "JAPFLAG", "JAPEMBLEM", "YAMOTO"},
};

}  // namespace

TWinnerForm::TWinnerForm(Context& context, Game& game, GameSetup& setup, QWidget* parent)
    : QWidget(parent), context_(context), game_(game), setup_(setup) {
    StyleFullScreenWindow(*this);
    BuildLayout();
}

void TWinnerForm::BuildLayout() {
    Fonts& fonts = *context_.platform.fonts;
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("WinnerPanel"));
    Panel1->setFixedSize(kPanelWidth, kPanelHeight);
    Panel1->setMouseTracking(true);
    Panel1->installEventFilter(this);
    Panel1->setStyleSheet(
        QStringLiteral("#WinnerPanel { background: black; border: 1px solid %1; }")
            .arg(MenuTextColour().name()));
    auto label = [&](int x, int y, int w, int h, int titlePx, int plainPx = 0) {
        auto* l = new QLabel(Panel1);
        l->setGeometry(x, y, w, h);
        if (titlePx > 0) {
            l->setFont(fonts.TitleFont(titlePx));
        } else {
            QFont font = l->font();
            font.setPixelSize(plainPx);
            l->setFont(font);
        }
        l->setStyleSheet(TextColourSheet(MenuTextColour()));
        l->setMouseTracking(true);
        return l;
    };
    auto picture = [&](int x, int y, int w, int h) {
        auto* l = new QLabel(Panel1);
        l->setGeometry(x, y, w, h);
        l->setScaledContents(true);
        return l;
    };
    Label6 = label(20, 10, 690, 40, 32);
    Label6->setAlignment(Qt::AlignCenter);
    NavyWinsLabel = label(20, 50, 690, 44, 36);
    NavyWinsLabel->setAlignment(Qt::AlignCenter);
    WinnerFlag = picture(20, 104, 240, 160);
    WinnerEmblem = picture(70, 276, 140, 140);
    emblemHome_ = WinnerEmblem->pos();
    WInnerImage = picture(290, 104, 420, 280);
    ShipsNameLabel = label(290, 388, 420, 30, 26);
    ShipsNameLabel->setAlignment(Qt::AlignCenter);
    CommanderLabel = label(290, 418, 420, 24, 0, 16);
    CommanderLabel->setAlignment(Qt::AlignCenter);

    // The campaign tally, and the ships and losses of both sides.
    Label10 = label(20, 424, 150, 22, 0, 15);
    Label11 = label(170, 424, 60, 22, 0, 15);
    Label12 = label(20, 446, 150, 22, 0, 15);
    Label13 = label(170, 446, 60, 22, 0, 15);
    auto score = [&](int x, int y, QLabel*& caption, QLabel*& value) {
        caption = label(x, y, 170, 22, 0, 15);
        value = label(x + 170, y, 60, 22, 0, 15);
    };
    score(290, 448, Label3, AlliedTotal);
    score(290, 470, Label4, AlliedLostNo);
    score(290, 492, TotalLabel2, TotalL2);
    score(520, 448, Label1, AxisTotal);
    score(520, 470, Label2, AxisLostNo);
    score(520, 492, TotalLabel1, TotalL1);

    Label5 = label(20, 516, 345, 34, 28);
    Label8 = label(365, 516, 345, 34, 28);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label9 = label(365, 516, 345, 34, 28);
    for (QLabel* command : {Label5, Label8, Label9}) {
        command->setAlignment(Qt::AlignCenter);
        command->setCursor(Qt::PointingHandCursor);
        command->installEventFilter(this);
    }
    for (QLabel* name : {ShipsNameLabel, CommanderLabel}) name->installEventFilter(this);

    ChartImage = new QLabel(this);
    SaveChartLabel = new QLabel(this);
    QFont small = SaveChartLabel->font();
    small.setPixelSize(12);
    SaveChartLabel->setFont(small);
    SaveChartLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SaveChartLabel->setCursor(Qt::PointingHandCursor);
    SaveChartLabel->installEventFilter(this);
}

void TWinnerForm::ShowReplayEnd(std::optional<BattleCourse> course) {
    replayEnd_ = true;
    replayCourse_ = std::move(course);
    FormShow();
    setEnabled(true);
    showFullScreen();
    TakeKeyboard(*this);
}

void TWinnerForm::ShowChart(QChar firstSideNavy, const std::optional<BattleCourse>& course) {
    ChartImage->setVisible(course.has_value());
    SaveChartLabel->setVisible(course.has_value());
    chart_ = QImage();
    if (!course) return;
    // Under the panel where the screen leaves room, else over the lower half of the picture.
    const QPoint panel = Panel1->pos();
    const int below = height() - (panel.y() + kPanelHeight) - 8;
    const QRect area =
        below >= 70 ? QRect(panel.x(), panel.y() + kPanelHeight + 4, kPanelWidth, qMin(below, 160))
                    : QRect(panel.x() + 290, panel.y() + 244, 420, 140);
    const LanguageTexts& texts = context_.texts;
    const ChartWords words{
        NavyName(firstSideNavy, texts), NavyName(OpposingNavy(firstSideNavy), texts),
        texts.TextOr(text::kChartCapitalSunk, QStringLiteral("capital ship sunk")),
        texts.TextOr(text::kChartFlagPassed, QStringLiteral("flag passed")),
        texts.TextOr(text::kChartTurns, QStringLiteral("turns"))};
    chart_ = DrawBattleChart(*course, area.size(), words);
    ChartImage->setGeometry(area);
    ChartImage->setPixmap(QPixmap::fromImage(chart_));
    ChartImage->raise();
    chartArea_ = area;
    SaveChartLabel->setStyleSheet(TextColourSheet(MenuTextColour()) +
                                  QStringLiteral(" background: black; padding: 0 3px;"));
    SaveChartLabel->setText(texts.TextOr(text::kSaveChart, QStringLiteral("Save chart")));
    PlaceSaveChart();
    SaveChartLabel->raise();
}

void TWinnerForm::PlaceSaveChart() {
    // Over the legend's right end, or just above a chart whose legend takes its whole width.
    const QSize fit = SaveChartLabel->sizeHint();
    const bool wide = chartArea_.width() >= kPanelWidth;
    SaveChartLabel->setGeometry(chartArea_.right() - fit.width() - 2,
                                wide ? chartArea_.top() + 2 : chartArea_.top() - fit.height(),
                                fit.width(), fit.height());
}

void TWinnerForm::SaveChartClick() {
    if (chart_.isNull()) return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    chart_.save(&buffer, "PNG");
    QString why;
    Files& files = *context_.platform.files;
    const LanguageTexts& texts = context_.texts;
    // Beside the record of the battle, which the game keeps as its last one.
    SaveChartLabel->setText(
        files.SaveBytes(kChartFile, png, &why)
            ? texts.TextOr(text::kChartSaved, QStringLiteral("Saved as %1")).arg(kChartFile)
            : texts.TextOr(text::kChartNotSaved, QStringLiteral("Not saved: %1")).arg(why));
    PlaceSaveChart();
}

void TWinnerForm::ShowEndOfGame() {
    replayEnd_ = false;
    FormShow();
    if (battleDecided) battleDecided();
    setEnabled(true);
    showFullScreen();
    TakeKeyboard(*this);
}

void TWinnerForm::ShowAgain() {
    setEnabled(true);
    showFullScreen();
    TakeKeyboard(*this);
}

void TWinnerForm::ShowNavy(QChar navy) {
    const LanguageTexts& texts = context_.texts;
    const Resources& resources = *context_.platform.resources;
    for (const NavyShow& n : kNavies) {
        if (n.navy != navy) continue;
        NavyWinsLabel->setText(texts.Text(n.wins));
        ShipsNameLabel->setText(texts.Text(n.ship));
        WinnerFlag->setPixmap(PicturePixmap(resources, QLatin1String(n.flag), QSize(240, 160)));
        WinnerEmblem->setPixmap(PicturePixmap(resources, QLatin1String(n.emblem), QSize(200, 200)));
        WInnerImage->setPixmap(PicturePixmap(resources, QLatin1String(n.photo), QSize(420, 280)));
    }
    WinnerEmblem->move(emblemHome_);  // back in its place after a game nobody won
}

void TWinnerForm::FormShow() {
    Game& g = game_;
    const Screen& screen = *context_.platform.screen;
    setGeometry(0, 0, screen.Width(), screen.Height());
    context_.platform.cursor->Set(this, CursorShape::Arrow);
    Panel1->move((screen.Width() - 730) / 2, (screen.Height() - 560) / 2);
    hovered_ = 0;
    Hover(0);

    CommanderLabel->setVisible(g.NetGame && g.Gamestage != stage::kBothFlagshipsLost);
    // A replay's end is told as a single game's: no stage follows it, nothing is counted.
    ShowCommands(replayEnd_ ? int(mode::kSingleGame) : g.GameMode);
    const QChar firstSideNavy = ShowWinner();
    ShowChart(firstSideNavy, replayEnd_           ? replayCourse_
                             : courseOfLastBattle ? courseOfLastBattle()
                                                  : std::nullopt);
    ShowLosses();
}

void TWinnerForm::ShowCommands(int gameMode) {
    const LanguageTexts& texts = context_.texts;
    const bool campaign = gameMode >= mode::kFirstStage && gameMode <= mode::kLastStage;
    Label10->setText(texts.Text(text::kAlliedNavy));
    Label12->setText(texts.Text(text::kEnemyNavy));
    for (QLabel* total : {TotalLabel1, TotalLabel2})
        total->setText(texts.TextOr(text::kCampaignTotal, QStringLiteral("Campaign:")));
    for (QLabel* tally : {Label10, Label11, Label12, Label13}) tally->setVisible(campaign);

    const bool campaignLosses = gameMode == mode::kLastStage;
    const bool goingOn = gameMode == mode::kFirstStage || gameMode == mode::kConvoyStage;
    // One command alone stands in the middle; two or three share the row. Every decided battle
    // may be watched again, a campaign's stage with one to follow too.
    const bool replay = !replayEnd_ && flow->ReplayAvailable();
    const int commands = 1 + (goingOn ? 1 : 0) + (replay ? 1 : 0);
    const int width = 690 / commands;
    Label5->setGeometry(20, 516, width, 34);
    Label9->setGeometry(20 + width, 516, width, 34);
    Label8->setGeometry(20 + (commands - 1) * width, 516, width, 34);
    // Three in a row take a smaller hand, so "Wiederholung ansehen" fits its third.
    for (QLabel* command : {Label5, Label8, Label9})
        command->setFont(context_.platform.fonts->TitleFont(commands == 3 ? 21 : 28));
    Label9->setText(texts.Text(text::kWatchReplay));
    Label9->setVisible(replay);
    switch (gameMode) {
        case 1:
        case 2:
            Label6->setText(texts.Text(gameMode == mode::kFirstStage ? 88 : 89));
            Label5->setText(texts.Text(text::kNextBattle));
            Label8->setText(texts.Text(text::kCancel));
            Label8->show();
            break;
        default:
            Label5->setText(texts.Text(text::kReturnToMainMenu));
            Label8->hide();
            for (QLabel* total : {TotalLabel1, TotalLabel2, TotalL1, TotalL2})
                total->setVisible(campaignLosses);
            Label6->setText(texts.Text(campaignLosses ? 90 : 140));
            break;
    }
}

QChar TWinnerForm::ShowWinner() {
    const Game& g = game_;
    const LanguageTexts& texts = context_.texts;
    const bool network = g.NetGame;
    // The winning navy: the home navy is the first side's on this board.
    const bool joining = g.NetRole == net_role::kJoining;
    const QChar home = context_.settings.HomeNavy;
    const QChar firstSideNavy = joining ? OpposingNavy(home) : home;
    if (g.Gamestage == stage::kFirstSideWon) {
        ShowNavy(firstSideNavy);
        if (network)
            CommanderLabel->setText(texts.Text(text::kVictoriousCommander) +
                                    this->network->Commander(true));
    } else if (g.Gamestage == stage::kSecondSideWon) {
        ShowNavy(OpposingNavy(firstSideNavy));
        if (network)
            CommanderLabel->setText(texts.Text(text::kVictoriousCommander) +
                                    this->network->Commander(false));
    } else {
        const Resources& resources = *context_.platform.resources;
        NavyWinsLabel->setText(texts.Text(text::kNobodyWins));
        ShipsNameLabel->setText(texts.Text(text::kBothFlagshipsLost));
        WinnerFlag->setPixmap(
            PicturePixmap(resources, QStringLiteral("BOTHLOSTFLAG"), QSize(240, 160)));
        WInnerImage->setPixmap(
            PicturePixmap(resources, QStringLiteral("BOTHLOSTIMAGE"), QSize(420, 280)));
        WinnerEmblem->move(-1000, WinnerEmblem->y());  // no navy to show
    }
    return firstSideNavy;
}

void TWinnerForm::ShowLosses() {
    const Game& g = game_;
    const LanguageTexts& texts = context_.texts;
    const bool joining = g.NetRole == net_role::kJoining;
    const int secondLost = ShipsLost(g, kSecondSide), firstLost = ShipsLost(g, kFirstSide);

    Label1->setText(texts.Text(text::kEnemyShips));
    Label2->setText(texts.Text(text::kEnemyLosses));
    Label3->setText(texts.Text(text::kOwnShips));
    Label4->setText(texts.Text(text::kOwnLosses));
    // "Own" is the side this board played: the joining player's is the second.
    AxisLostNo->setNum(joining ? firstLost : secondLost);
    AlliedLostNo->setNum(joining ? secondLost : firstLost);
    AxisTotal->setNum(joining ? g.FirstSideShips : g.SecondSideShips);
    AlliedTotal->setNum(joining ? g.SecondSideShips : g.FirstSideShips);
    TotalL1->setNum(g.CampaignLossesSecond);
    TotalL2->setNum(g.CampaignLossesFirst);
    Label11->setNum(g.FirstSideWins);
    Label13->setNum(g.SecondSideWins);
}

void TWinnerForm::Closedown() {
    setup_.DropPictures();
    // The stored settings again: a stage's temporary settings end with the game.
    LoadSettings(*context_.platform.files, context_.settingsLines, context_.settings);
}

void TWinnerForm::LeaveWindow() {
    if (game_.NetGame) network->ResetConnection();
    game_.NetGame = false;
    game_.NetRole = net_role::kNone;
    hide();
}

void TWinnerForm::Label5Click() {
    // The stored settings come back first; the next stage then takes its own.
    Closedown();
    if (replayEnd_) {
        LeaveWindow();
        flow->BackToMenu();
        return;
    }
    if (GoOnToNextStage(game_)) {
        context_.platform.cursor->Set(this, CursorShape::Hidden);
        LeaveWindow();
        setup_.GameInit();
        return;
    }
    LeaveWindow();
    flow->BackToMenu();
}

void TWinnerForm::Label8Click() {
    Closedown();
    game_.GameMode = mode::kSingleGame;
    game_.GameOver = true;
    LeaveWindow();
    flow->BackToMenu();
}

void TWinnerForm::Label9Click() {
    Closedown();
    LeaveWindow();
    flow->WatchReplay();
}

void TWinnerForm::Hover(int command) {
    if (command != 0 && command != hovered_)
        PlaySound(context_.platform, context_.settings, QStringLiteral("Click"), true);
    hovered_ = command;
    Label5->setStyleSheet(TextColourSheet(command == 5 ? MenuHoverColour() : MenuTextColour()));
    Label8->setStyleSheet(TextColourSheet(command == 8 ? MenuHoverColour() : MenuTextColour()));
    Label9->setStyleSheet(TextColourSheet(command == 9 ? MenuHoverColour() : MenuTextColour()));
}

void TWinnerForm::mouseMoveEvent(QMouseEvent* event) {
    Hover(0);
    QWidget::mouseMoveEvent(event);
}

bool TWinnerForm::eventFilter(QObject* watched, QEvent* event) {
    const bool go = watched == Label5 || watched == ShipsNameLabel || watched == CommanderLabel;
    if (event->type() == QEvent::MouseButtonRelease) {
        if (go) Label5Click();
        if (watched == Label8) Label8Click();
        if (watched == Label9) Label9Click();
        if (watched == SaveChartLabel) SaveChartClick();
    }
    if (event->type() == QEvent::Enter) {
        if (watched == Label5) Hover(5);
        if (watched == Label8) Hover(8);
        if (watched == Label9) Hover(9);
    }
    if (event->type() == QEvent::MouseMove && watched == Panel1) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (!Label5->geometry().contains(at) && !Label8->geometry().contains(at) &&
            !Label9->geometry().contains(at))
            Hover(0);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kvd
