#pragma once
#include <QString>
#include <deque>
#include <vector>

namespace kvd {

enum class BoxKind { Error, Warning, Confirmation, Information };
enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

// Modal message boxes. Texts may hold "\r" line breaks, as the game's messages are written.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual BoxAnswer Show(BoxKind kind, const QString& text, BoxButtons buttons) = 0;
};

// Records every box and answers from a script; unscripted boxes answer Ok or Yes.
class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        BoxKind kind;
        QString text;
        BoxButtons buttons;
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
