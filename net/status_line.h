#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>

class QLabel;

namespace kvd {

// A status line of the multi-player window that gives every message time to be read: each one
// stays at least kHoldMs before the next takes its place, and those that come sooner wait their
// turn. The same message twice in a row is shown once, and a flood keeps only the latest few.
// Long messages wrap onto a second line instead of being cut at the label's edge.
class StatusLine : public QObject {
  public:
    static constexpr int kHoldMs = 2500;
    static constexpr int kWaiting = 4;

    explicit StatusLine(QLabel* label, int holdMs = kHoldMs);

    // A message in its turn.
    void Say(const QString& text);
    // A message at once, dropping those that wait (the window starts afresh).
    void Set(const QString& text);
    // The messages still waiting to be shown.
    int Waiting() const { return int(waiting_.size()); }

  private:
    void Next();

    QLabel* label_;
    int holdMs_;
    QTimer hold_;
    std::deque<QString> waiting_;
};

}  // namespace kvd
