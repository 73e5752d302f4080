#pragma once
#include <QLabel>
#include <QWidget>
#include <array>

#include "core/help_pages.h"
#include "core/program_flow.h"
#include "core/upward_call.h"
#include "frontend/menu_targets.h"
#include "platform/message_box.h"

namespace kvd {

class Game;
struct Context;

// The start-up window and main menu, the program's main window: it checks the game's files and
// the screen when the program starts, plays the intro on its first activation and then shows
// the menu of eight entries. It stays behind every other window for the program's whole life.
class TIntroForm : public QWidget {
  public:
    TIntroForm(Context& context, Game& game, QWidget* parent = nullptr);

    // The start-up checks, in order: title font, required files, settings, language, screen.
    void FormCreate();
    // The intro on the first activation; a failed start ends the program instead.
    void FormActivate();
    // Relabels the menu entries in the current language.
    void FormShow();

    // The menu entries, in the order the menu relabels them.
    enum Entry {
        StartGame,
        Help,
        Quit,
        Options,
        MultiPlayer,
        MapMaker,
        About,
        Campaign,
        ServiceRecord,
        kEntries
    };
    void EntryClick(Entry entry);
    void EntryHover(Entry entry);
    // The mouse is over a column panel, not an entry.
    void ColumnHover();

    bool StartupFailed() const { return startupFailed_; }
    bool IntroPlayed() const { return introPlayed_; }
    // The menu at once, as after the intro: the program began with something else (a replay).
    void SkipIntro();
    QLabel* EntryLabel(Entry entry) const { return entries_[entry]; }
    QWidget* MenuPanel() const { return menuPanel_; }
    QWidget* IntroSign() const { return introSign_; }

    UpwardCall<MenuTargets> menu{"the main menu to its windows"};
    UpwardCall<ProgramFlow> flow{"the start-up window to the program"};
    UpwardCall<HelpPages> help{"the main menu to the help pages"};

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildPanels();
    // The menu's entries in their three columns.
    void BuildMenuEntries();
    void MoveOffScreen(QWidget* widget);
    void CentreIntroSign();
    void SetEntryColour(Entry entry, bool hover);
    void ResetEntryColours();
    void End();
    void Fail(const QString& text, BoxKind kind);
    // The settings name no map that could be played: said once, and the standard map is played.
    void TellBadMapName();

    Context& context_;
    Game& game_;
    bool startupFailed_ = false;
    bool introPlayed_ = false;
    bool activated_ = false;
    bool ending_ = false;
    int hovered_ = -1;
    QWidget* introSign_ = nullptr;
    QLabel* introFrame_ = nullptr;
    QLabel* titleImage_ = nullptr;
    QWidget* menuPanel_ = nullptr;
    QLabel* heading_ = nullptr;
    std::array<QWidget*, 3> columns_{};
    std::array<QLabel*, kEntries> entries_{};
};

// Files the game cannot start without, tested in this order at start-up. The two language files
// are not among them: either serves, and the language switch reports one that is missing and
// ends the start only when neither holds a text.
extern const char* const kRequiredFiles[7];

}  // namespace kvd
