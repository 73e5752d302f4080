#pragma once
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/program_flow.h"
#include "core/upward_call.h"
#include "play/battle_course.h"
#include "play/end_of_game.h"
#include "play/network_board.h"

namespace kvd {

class Game;
class GameSetup;
struct Context;

// The end-of-game window: the winning navy with its flag, emblem and famous ship, the ships
// and losses of both sides, and in a campaign the running tally; from here the player goes
// back to the main menu or on to the next stage.
class TWinnerForm : public QWidget, public EndOfGame {
  public:
    TWinnerForm(Context& context, Game& game, GameSetup& setup, QWidget* parent = nullptr);

    // EndOfGame: shows the window for the game that just ended.
    void ShowEndOfGame() override;
    // Frees the game's pictures and reads the stored settings again; writes nothing.
    void Closedown() override;

    // The window as it was left for the replay, its tallies counted once.
    void ShowAgain();
    // The end of a replay watched from the menu or the command line: the battle's end as this
    // window tells it, with its chart, and the way back to the menu; nothing is counted.
    void ShowReplayEnd(std::optional<BattleCourse> course);
    // Fills the window from the game (its show event).
    void FormShow();
    // Back to the main menu, or on to the next campaign stage.
    void Label5Click();
    // Abandons the campaign.
    void Label8Click();
    // The battle just ended, shown again from its start.
    void Label9Click();
    // The mouse over a command (0 none, 5 or 8).
    void Hover(int command);

    QWidget* Panel1 = nullptr;
    QLabel *Label6 = nullptr, *NavyWinsLabel = nullptr, *WinnerFlag = nullptr,
           *WinnerEmblem = nullptr, *WInnerImage = nullptr, *ShipsNameLabel = nullptr,
           *CommanderLabel = nullptr;
    QLabel *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr;
    QLabel *Label1 = nullptr, *AxisTotal = nullptr, *Label2 = nullptr, *AxisLostNo = nullptr,
           *TotalLabel1 = nullptr, *TotalL1 = nullptr;
    QLabel *Label3 = nullptr, *AlliedTotal = nullptr, *Label4 = nullptr, *AlliedLostNo = nullptr,
           *TotalLabel2 = nullptr, *TotalL2 = nullptr;
    QLabel *Label5 = nullptr, *Label8 = nullptr, *Label9 = nullptr;

    // The battle's course as a chart under the panel (over the ship's picture where the screen
    // has no room below), and the command that writes it beside the battle's record.
    QLabel *ChartImage = nullptr, *SaveChartLabel = nullptr;
    void SaveChartClick();
    static inline const QString kChartFile = QStringLiteral("last.png");
    // The course of the battle just ended, from its record; none when there is no record.
    std::function<std::optional<BattleCourse>()> courseOfLastBattle;
    // Told once for every battle that ends here (not for the window shown again after a replay).
    std::function<void()> battleDecided;
    const QImage& Chart() const { return chart_; }

    UpwardCall<ProgramFlow> flow{"the end-of-game window to the program"};
    UpwardCall<NetworkBoard> network{"the end-of-game window to the multi-player window"};

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // FormShow's parts: the campaign's tallies and the commands under them for the game's mode;
    // the winning navy's flag, emblem and picture (the first side's navy on this board is
    // returned); the ships and losses of both sides.
    void ShowCommands(int gameMode);
    QChar ShowWinner();
    void ShowLosses();
    void BuildLayout();
    void ShowNavy(QChar navy);
    void LeaveWindow();
    void ShowChart(QChar firstSideNavy, const std::optional<BattleCourse>& course);
    void PlaceSaveChart();

    Context& context_;
    Game& game_;
    GameSetup& setup_;
    QPoint emblemHome_;
    int hovered_ = 0;
    QImage chart_;
    QRect chartArea_;
    bool replayEnd_ = false;  // shown for a replay's end, not a battle just fought
    std::optional<BattleCourse> replayCourse_;
};

}  // namespace kvd
