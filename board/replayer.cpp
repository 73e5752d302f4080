#include "board/replayer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "board/board_display.h"
#include "board/main_form.h"
#include "board/show_player.h"
#include "core/context.h"
#include "core/game.h"
#include "core/settings.h"
#include "core/text_ids.h"
#include "platform/platform.h"
#include "play/rules.h"
#include "play/showing.h"

namespace kvd {

Replayer::Replayer(TMainForm& board, Game& game, Context& context, GamePictures& pictures,
                   BoardDisplay& display, ComputerTurn& computer)
    : board_(board),
      game_(game),
      context_(context),
      pictures_(pictures),
      display_(display),
      computer_(computer) {
    // The next move while playing: a short breath after the last one has been shown.
    timer_.setInterval(400);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        Forward();
        if (playing_ && shown_ < Moves() && Open())
            timer_.start();
        else
            playing_ = false;
        Caption();
    });
    BuildBar();
    board_.installEventFilter(this);
}

Replayer::~Replayer() {
    board_.removeEventFilter(this);
}

void Replayer::BuildBar() {
    bar_ = new QWidget(&board_);
    bar_->setObjectName(QStringLiteral("ReplayBar"));
    bar_->setAttribute(Qt::WA_StyledBackground, true);
    bar_->setStyleSheet(QStringLiteral(
        "#ReplayBar { background: rgba(0, 0, 0, 170); border: 1px solid #c8b48c; }"
        "QPushButton, QComboBox, QCheckBox, QLabel { color: #f0e6d2; font-size: 13px; }"
        "QPushButton { background: #27323c; border: 1px solid #8c7b5a; padding: 3px 10px; }"
        "QPushButton:hover { background: #3a4a58; }"
        "QPushButton:disabled { color: #7a7468; }"
        "QComboBox { background: #27323c; border: 1px solid #8c7b5a; padding: 2px 6px; }"
        "QComboBox QAbstractItemView { background: #27323c; color: #f0e6d2; }"));
    // Two rows, so the bar fits beside the battle's log in the band.
    auto* grid = new QGridLayout(bar_);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    back_ = new QPushButton(bar_);
    play_ = new QPushButton(bar_);
    forward_ = new QPushButton(bar_);
    speed_ = new QComboBox(bar_);
    for (int factor : {1, 2, 4, 8}) speed_->addItem(QStringLiteral("%1 x").arg(factor), factor);
    firstSideView_ = new QCheckBox(bar_);
    move_ = new QLabel(bar_);
    move_->setMinimumWidth(110);
    const std::initializer_list<QWidget*> widgets{back_,  play_,          forward_,
                                                  speed_, firstSideView_, move_};
    for (QWidget* w : widgets) {
        w->setFocusPolicy(Qt::NoFocus);
        w->setCursor(Qt::ArrowCursor);
    }
    grid->addWidget(back_, 0, 0);
    grid->addWidget(play_, 0, 1);
    grid->addWidget(forward_, 0, 2);
    grid->addWidget(speed_, 0, 3);
    grid->addWidget(firstSideView_, 1, 0, 1, 2);
    grid->addWidget(move_, 1, 2, 1, 2);
    connect(back_, &QPushButton::clicked, this, [this] { Back(); });
    connect(play_, &QPushButton::clicked, this, [this] { PlayOrPause(); });
    connect(forward_, &QPushButton::clicked, this, [this] { Forward(); });
    connect(speed_, &QComboBox::currentIndexChanged, this,
            [this](int) { SetSpeed(speed_->currentData().toInt()); });
    connect(firstSideView_, &QCheckBox::toggled, this, [this](bool on) { SetFirstSideView(on); });
    bar_->hide();
}

bool Replayer::Open(const GameRecord& record, QString* error) {
    // A record that does not play to its end is not shown at all, never half.
    Game whole;
    Settings settings;
    if (!Replay(record, whole, settings, &computer_, -1, error)) return false;
    record_ = record;
    players_ = context_.settings;
    running_.emplace(context_.guard);
    context_.guard.EnterGame();
    board_.showBothFleets = true;
    // The reports tell the battle's time, not the watching's.
    display_.Painter().SetClock(record.began);
    if (!ShowAt(0, error)) {
        Close();
        return false;
    }
    const QRect band = board_.Geometry().BottomBand();
    bar_->adjustSize();
    // In the band's bottom-left corner, clear of the report line and the battle's log.
    bar_->move(band.left() + 12, band.bottom() - bar_->height() - 12);
    bar_->show();
    bar_->raise();
    Caption();
    return true;
}

void Replayer::Close() {
    if (!running_) return;
    playing_ = false;
    timer_.stop();
    bar_->hide();
    board_.showBothFleets = false;
    hurry_ = false;
    leaving_ = false;
    stepsAhead_ = 0;
    display_.Painter().SetSpeed(1);
    display_.Painter().SetClock(std::nullopt);
    // The record's settings leave with it: the next game is played with the player's own.
    context_.settings = players_;
    running_.reset();
    if (onClosed) onClosed();
}

bool Replayer::ShowAt(int move, QString* error) {
    // The battle played again unseen up to the move, then the board as it stood.
    if (!Replay(record_, game_, context_.settings, &computer_, move, error)) return false;
    KeepPlayersChoices(context_.settings, players_);
    if (!display_.ShowResumedGame(error)) return false;
    shown_ = move;
    return true;
}

void Replayer::Forward() {
    if (!Open() || shown_ >= Moves()) return;
    if (busy_) {
        // A click while a move is shown: the move hurries to its end, and the next one follows.
        Hurry(true);
        stepsAhead_ = qMin(stepsAhead_ + 1, Moves() - shown_ - 1);
        return;
    }
    busy_ = true;
    Showing show;
    Rules rules{game_, context_.settings, context_.texts, show, &computer_};
    PlayRecorded(rules, record_.moves[size_t(shown_)]);
    ++shown_;
    Caption();
    // The game's end is shown on the board, not by the end-of-game window, and the pointer stays.
    std::vector<ShowStep> steps;
    for (const ShowStep& step : show.Steps())
        if (step.kind != ShowStep::HideBoard && step.kind != ShowStep::EndOfGame &&
            step.kind != ShowStep::Cursor)
            steps.push_back(step);
    if (game_.GameOver || !game_.GameActive) {
        // The last move: its fight goes into the log and the state, and the band is lit again,
        // where the game would have gone on to its end-of-game window.
        Showing end;
        end.Band(BandOf::Menu);
        end.Battle(game_);
        for (ShowStep& step : end.Take()) steps.push_back(std::move(step));
    }
    ShowPlayer(board_, display_.Painter(), context_, pictures_).Play(steps, nullptr);
    busy_ = false;
    Hurry(false);
    // The board was left while the move was shown, or the replay is to be.
    if (!board_.isVisible() || leaving_) {
        leaving_ = false;
        Close();
        return;
    }
    if (stepsAhead_ > 0 && Open()) {
        --stepsAhead_;
        Forward();
    }
}

void Replayer::Hurry(bool on) {
    hurry_ = on;
    display_.Painter().SetSpeed(on ? 64 : speed_->currentData().toInt());
}

void Replayer::Back() {
    if (busy_ || !Open() || shown_ == 0) return;
    playing_ = false;
    timer_.stop();
    QString error;
    if (!ShowAt(shown_ - 1, &error)) Close();
    Caption();
}

void Replayer::PlayOrPause() {
    if (!Open()) return;
    playing_ = !playing_ && shown_ < Moves();
    if (playing_)
        timer_.start(0);
    else
        timer_.stop();
    Caption();
}

void Replayer::SetSpeed(int factor) {
    if (!hurry_) display_.Painter().SetSpeed(factor);
}

void Replayer::SetFirstSideView(bool firstSide) {
    board_.showBothFleets = !firstSide;
    if (busy_ || !Open()) return;
    board_.PreDraw();
    board_.FormPaint();
}

void Replayer::Caption() {
    const LanguageTexts& t = context_.texts;
    back_->setText(t.Text(text::kBack));
    play_->setText(t.Text(playing_ ? 157 : 156));
    forward_->setText(t.Text(text::kForward));
    firstSideView_->setText(t.Text(text::kFirstSidesView));
    move_->setText(t.Text(text::kMove) + QString::number(shown_) + t.Text(text::kOf) +
                   QString::number(Moves()));
    back_->setEnabled(shown_ > 0);
    forward_->setEnabled(shown_ < Moves());
    bar_->adjustSize();
}

bool Replayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &board_ || !Open()) return QObject::eventFilter(watched, event);
    // Esc and the quit corner leave the replay, without a question: there is no battle to lose.
    const bool esc = event->type() == QEvent::KeyPress &&
                     static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    const bool corner =
        event->type() == QEvent::MouseButtonPress &&
        board_.Geometry().InQuitCorner(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (esc || corner) {
        LeaveSoon();
        return true;
    }
    // Leaving the board (the program's end) leaves the replay.
    if (event->type() == QEvent::Hide && !busy_) Close();
    return QObject::eventFilter(watched, event);
}

void Replayer::LeaveSoon() {
    // A move being shown stops first: the guard ends its waits, and the replay closes after.
    playing_ = false;
    timer_.stop();
    stepsAhead_ = 0;
    if (!busy_) {
        Close();
        return;
    }
    leaving_ = true;
    Hurry(true);
}

}  // namespace kvd
