#pragma once
#include <QLabel>
#include <QWidget>
#include <functional>
#include <vector>

#include "core/program_flow.h"
#include "core/service_record.h"
#include "core/upward_call.h"

namespace kvd {

struct Context;

// The service record window of the main menu: the battles fought, won and lost, the win rate
// by commander and by map, and the last twenty battles, each with its replay while the game
// still keeps it. Esc or Back returns to the menu.
class TServiceForm : public QWidget {
  public:
    explicit TServiceForm(Context& context, QWidget* parent = nullptr);

    // Reads the record (moving a damaged one aside) and shows it full screen.
    void FormShow();
    void BackClick();
    // The replay of the battle in row `row` of the list, newest first.
    void WatchClick(int row);

    QLabel *Title = nullptr, *Summary = nullptr, *ByCommander = nullptr, *ByMap = nullptr,
           *ListHeading = nullptr, *Back = nullptr;
    std::vector<QLabel*> Rows, Watch;
    const std::vector<ServiceEntry>& Shown() const { return shown_; }

    UpwardCall<ProgramFlow> flow{"the service record to the program"};
    // Plays a kept record file on the board; the program comes back to the menu after it.
    std::function<void(const QString& file)> watchReplay;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout();
    QString OpponentName(const QString& opponent) const;
    QString RowText(const ServiceEntry& entry) const;

    Context& context_;
    QWidget* panel_ = nullptr;
    std::vector<ServiceEntry> shown_;  // newest first, as the rows list them
};

}  // namespace kvd
