#pragma once
#include <QLabel>
#include <QWidget>
#include <array>

#include "core/program_flow.h"
#include "core/upward_call.h"

namespace kvd {

class Game;
class GameSetup;
struct Context;

// The campaign window: eight sea regions, each a series of three games against the computer.
class TCampForm : public QWidget {
  public:
    TCampForm(Context& context, Game& game, GameSetup& setup, QWidget* parent = nullptr);

    // Relabels and places the window (its show event).
    void FormShow();
    // A region picked: the campaign starts with its first stage.
    void RegionClick(int region);
    // Cancel: back to the main menu, out of the campaign.
    void Label10Click();
    // The panel around Cancel: the main menu comes up, the campaign window stays.
    void Panel1Click();
    // The mouse over a label: a region 1 to 8, 9 for Cancel, 0 for none.
    void Hover(int label);

    QWidget *Panel6 = nullptr, *Panel5 = nullptr, *Panel1 = nullptr;
    QLabel* Label1 = nullptr;          // the heading
    QLabel* Label10 = nullptr;         // Cancel
    std::array<QLabel*, 8> Regions{};  // Label2 to Label11, by region
    std::array<QWidget*, 8> RegionPanels{};

    UpwardCall<ProgramFlow> flow{"the campaign window to the program"};

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout();

    Context& context_;
    Game& game_;
    GameSetup& setup_;
    int hovered_ = 0;
};

}  // namespace kvd
