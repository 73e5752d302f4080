#pragma once
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace kvd {

enum class BoxKind { Error, Warning, Confirmation, Information };
enum class BoxButtons { Ok, YesNo };
// Dismissed: a question put away without an answer (Esc, the window closed), which is neither
// Yes nor No.
enum class BoxAnswer { Ok, Yes, No, Dismissed };

// The words on the buttons of a message box, in the language the game speaks. English until the
// language texts are loaded, so the failures of a start-up still have readable buttons.
struct BoxButtonTexts {
    QString yes = QStringLiteral("Yes");
    QString no = QStringLiteral("No");
    QString ok = QStringLiteral("OK");
};

// Modal message boxes. Texts may hold "\r" line breaks, as the game's messages are written.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual BoxAnswer Show(BoxKind kind, const QString& text, BoxButtons buttons) = 0;

    // The button words of every box from now on; an empty word keeps the English one.
    void SetButtonTexts(const BoxButtonTexts& texts);
    const BoxButtonTexts& ButtonTexts() const { return buttonTexts_; }
    // The words a box of these buttons shows, left to right.
    QStringList Captions(BoxButtons buttons) const;

  private:
    BoxButtonTexts buttonTexts_;
};

// A box's text as it fits on a screen: a word too long to wrap (a name or path read from a
// file) keeps its start and end around an ellipsis, and a text longer than any message is cut
// with one.
QString FittedBoxText(const QString& text);

// Records every box and answers from a script; unscripted boxes answer Ok or Yes.
class ScriptedMessageBoxes : public MessageBoxes {
  public:
    struct Shown {
        BoxKind kind;
        QString text;
        BoxButtons buttons;
        QStringList captions;  // the words on its buttons
    };
    void Script(BoxAnswer answer) { script_.push_back(answer); }
    BoxAnswer Show(BoxKind kind, const QString& text, BoxButtons buttons) override;
    const std::vector<Shown>& Boxes() const { return shown_; }
    void Clear() { shown_.clear(); }

  private:
    std::deque<BoxAnswer> script_;
    std::vector<Shown> shown_;
};

}  // namespace kvd
