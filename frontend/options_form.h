#pragma once
#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include "core/program_flow.h"
#include "core/settings.h"
#include "core/upward_call.h"

namespace kvd {

class Game;
class MapLines;
struct Context;
struct LanguageTexts;
struct Platform;

// The options window: nine settings as drop-down lists on a centred panel. Changes take
// effect in memory at once; only "submit" writes the settings file. Esc leaves without
// saving and takes back what was changed since the window opened.
class TOptions : public QWidget {
  public:
    // Submit loads the chosen map into the game's map lines.
    TOptions(Context& context, Game& game, QWidget* parent = nullptr);

    // After a successful submit or Esc, once the window has closed, the main menu enables
    // itself again and relabels.
    UpwardCall<ProgramFlow> flow{"the options window to the program"};

    // Places, relabels and fills the window from the settings lines. Runs on every show.
    void FormShow();

    // List changes, as a pick by the player makes them.
    void NavyListChange();
    void MapListChange();
    void SoundBoxChange();
    void LangBoxChange();
    void revealBoxChange();
    void ReconnBoxChange();
    void CombatBoxChange();
    void FlagBoxChange();
    void OpponentBoxChange();
    // Submit.
    void Label8Click();
    // Esc: back to the menu without saving, the settings as they were when the window opened.
    void Cancel();
    // Hover over the submit line, and the moves that end it.
    void Label8MouseEnter();
    void HoverEnd();

    QWidget* Panel1 = nullptr;
    QLabel* TitleLabel = nullptr;
    QLabel* NavyLabel = nullptr;
    QLabel* MapLabel = nullptr;
    QLabel* SoundLabel = nullptr;
    QLabel* LangLabel = nullptr;
    QLabel* RevealLabel = nullptr;
    QLabel* ReconnLabel = nullptr;
    QLabel* CombatLabel = nullptr;
    QLabel* FlagLabel = nullptr;
    QLabel* OpponentLabel = nullptr;
    QLabel* Label8 = nullptr;  // the submit line
    QComboBox* NavyList = nullptr;
    QComboBox* MapList = nullptr;
    QComboBox* SoundBox = nullptr;
    QComboBox* LangBox = nullptr;
    QComboBox* revealBox = nullptr;
    QComboBox* ReconnBox = nullptr;
    QComboBox* CombatBox = nullptr;
    QComboBox* FlagBox = nullptr;
    QComboBox* OpponentBox = nullptr;  // "Standard" or "Admiral"

  protected:
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout();
    void ConnectLists();
    void SelectFromVariables();
    void SetSubmitColour(bool hover);
    // Loads the texts of the chosen language, saying in a box what went wrong on the way.
    void SwitchTexts();
    // An error box of two texts, `first` and the one after it, on two lines; the English words
    // stand in for texts an old language file lacks.
    void Box(int first, const QString& english1, const QString& english2);
    // Sets a variable from the picked entry of a list, entry k standing for letters[k], and
    // replaces the first character of its settings line.
    void LetterChange(QComboBox* box, const QString& letters, QChar& variable, int line);

    // Ends a hover unless the mouse, at this position of that widget, is still over the line.
    void HoverEndUnlessOverSubmit(QObject* watched, QEvent* event);

    Platform& platform_;
    Settings& settings_;
    SettingsLines& lines_;
    LanguageTexts& texts_;
    MapLines& boardMap_;
    QString mapNameCopy_;  // the map line as read, until a map is picked
    bool submitHovered_ = false;
    Settings openedSettings_;  // as they were when the window opened, for Esc
    SettingsLines openedLines_;
};

}  // namespace kvd
