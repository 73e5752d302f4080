#pragma once
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "core/program_flow.h"
#include "core/upward_call.h"

namespace kvd {

struct Context;

// The about window: the program's name and version, its makers, an address and a web page. It is
// modal: while it is up the menu behind it starts nothing, and Esc closes the about window only.
class TAboutForm : public QWidget {
  public:
    explicit TAboutForm(Context& context, QWidget* parent = nullptr);

    void MailClick();
    void WebClick();
    // The mouse is over the inner panel: both links return to their normal colour.
    void PanelHover();

    QLabel* NameLine = nullptr;
    QLabel* MakerLine = nullptr;
    QLabel* MailLine = nullptr;
    QLabel* WebLine = nullptr;
    QPushButton* CloseButton = nullptr;

    // Shows the window centred over the menu, with the keyboard, in the current language.
    void ShowCentred();
    void Relabel();

    // Closing the window gives the main menu back.
    UpwardCall<ProgramFlow> flow{"the about window to the program"};

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Context& context_;
    QWidget* panel_ = nullptr;
};

inline const QString kMakerMail = QStringLiteral("captains@korvald.example");
inline const QString kMakerWeb = QStringLiteral("https://korvald.example");

}  // namespace kvd
