#pragma once
#include <QLineEdit>
#include <functional>

namespace kvd {

// The line a network player types a message to the other commander in: it opens over the
// battle's log, Enter sends what was typed and closes it, Esc closes it without sending.
class ChatLine : public QLineEdit {
  public:
    explicit ChatLine(QWidget* board);

    // Opens the line over box with the prompt; send gets the text when Enter is pressed.
    void Open(const QRect& box, const QString& prompt, std::function<void(const QString&)> send);
    void Close();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::function<void(const QString&)> send_;
};

}  // namespace kvd
