#pragma once
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "core/rule_guard.h"
#include "play/game_record.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace kvd {

class BoardDisplay;
class ComputerTurn;
class Game;
class TMainForm;
struct Context;
struct GamePictures;

// A recorded battle shown again on the board, from its start: a bar in the band plays the
// moves one after another or stops them, goes one move forward (with the fights' reports,
// pictures and sounds as in the game, quicker at a higher speed) or one back, and shows both
// fleets whole or the board as the first side's player saw it. The board takes no clicks
// meanwhile; the quit corner and Esc leave the replay for where it was asked for.
class Replayer : public QObject {
  public:
    Replayer(TMainForm& board, Game& game, Context& context, GamePictures& pictures,
             BoardDisplay& display, ComputerTurn& computer);
    ~Replayer() override;

    // Shows the record's battle at its start. False, with the reason, when it cannot be shown or
    // does not play to its end as recorded.
    bool Open(const GameRecord& record, QString* error);
    // Leaves the replay: the bar goes, and the player is back where the replay was asked for.
    void Close();
    bool Open() const { return running_.has_value(); }

    void Forward();
    void Back();
    void PlayOrPause();
    void SetSpeed(int factor);
    void SetFirstSideView(bool firstSide);

    int Shown() const { return shown_; }
    int Moves() const { return int(record_.moves.size()); }
    const GameRecord& Record() const { return record_; }
    bool Playing() const { return playing_; }
    QWidget* Bar() const { return bar_; }

    // Called once the replay has been left.
    std::function<void()> onClosed;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildBar();
    bool ShowAt(int move, QString* error);
    void Caption();
    // Shows the rest of the move being shown at once (or again at the chosen speed).
    void Hurry(bool on);
    // Leaves once no move is being shown.
    void LeaveSoon();

    TMainForm& board_;
    Game& game_;
    Context& context_;
    GamePictures& pictures_;
    BoardDisplay& display_;
    ComputerTurn& computer_;
    GameRecord record_;
    Settings players_;  // the player's own settings, back when the replay closes
    int shown_ = 0;
    bool busy_ = false;
    bool playing_ = false;
    bool hurry_ = false;
    bool leaving_ = false;
    int stepsAhead_ = 0;  // Forward clicks while a move was shown, each a move to follow
    QTimer timer_;
    std::optional<RuleGuard::Scope> running_;  // the board takes no clicks while a replay runs
    QWidget* bar_ = nullptr;
    QPushButton *back_ = nullptr, *play_ = nullptr, *forward_ = nullptr;
    QComboBox* speed_ = nullptr;
    QCheckBox* firstSideView_ = nullptr;
    QLabel* move_ = nullptr;
};

}  // namespace kvd
