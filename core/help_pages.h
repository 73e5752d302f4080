#pragma once
#include <QChar>
#include <QString>

namespace kvd {

// The handbook shipped with the game, one page per language, beside the program.
inline const QString kEnglishHelp = QStringLiteral("help\\english\\kvdhelp.htm");
inline const QString kGermanHelp = QStringLiteral("help\\german\\kvdhilfe.htm");

// The page of a language: English for 'E', German for anything else, as the language texts.
inline QString HelpPageFile(QChar language) {
    return language == QLatin1Char('E') ? kEnglishHelp : kGermanHelp;
}

// Opens the handbook in the language the game speaks, over the window that asks. The menu and
// the map editor ask; the program wires them to its help window.
class HelpPages {
  public:
    virtual ~HelpPages() = default;
    virtual void ShowHelp() = 0;
};

}  // namespace kvd
