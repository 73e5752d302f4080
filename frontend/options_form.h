#pragma once
#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace kvd {

class MapLines;
struct Context;
struct LanguageTexts;
struct Platform;
struct Settings;

// The options window: eight settings as drop-down lists on a centred panel. Changes take
// effect in memory at once; only "submit" writes the settings file.
class TOptions : public QWidget {
public:
    // boardMap: the board window's map lines, which submit loads the chosen map into.
    TOptions(Context& context, MapLines& boardMap, QWidget* parent = nullptr);

    // Called after a successful submit, once the window has closed (the main menu enables
    // itself again and relabels).
    std::function<void()> OnSubmitted;

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
    // Submit.
    void Label8Click();
    // Hover over the submit line, and the moves that end it.
    void Label8MouseEnter();
    void HoverEnd();

    QWidget* Panel1;
    QLabel* TitleLabel;
    QLabel* NavyLabel;
    QLabel* MapLabel;
    QLabel* SoundLabel;
    QLabel* LangLabel;
    QLabel* RevealLabel;
    QLabel* ReconnLabel;
    QLabel* CombatLabel;
    QLabel* FlagLabel;
    QLabel* Label8;  // the submit line
    QComboBox* NavyList;
    QComboBox* MapList;
    QComboBox* SoundBox;
    QComboBox* LangBox;
    QComboBox* revealBox;
    QComboBox* ReconnBox;
    QComboBox* CombatBox;
    QComboBox* FlagBox;

protected:
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void SelectFromVariables();
    void SetSubmitColour(bool hover);
    // Sets a variable from the picked entry of a list, entry k standing for letters[k], and
    // replaces the first character of its settings line.
    void LetterChange(QComboBox* box, const QString& letters, QChar& variable, int line);

    Platform& platform_;
    Settings& settings_;
    QStringList& lines_;
    LanguageTexts& texts_;
    MapLines& boardMap_;
    QString mapNameCopy_;  // the map line as read, until a map is picked
    bool submitHovered_ = false;
};

}  // namespace kvd
