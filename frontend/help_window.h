#pragma once
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

namespace kvd {

struct Context;

// The handbook inside the game: the shipped page of the language the game speaks, in a window
// of its own over the one that asked. Links within the pages are followed here, their anchors
// too; web and mail addresses go to the desktop's programs. It reads the same on every machine,
// with or without a browser, and keeps the player in the game.
class THelpWindow : public QWidget {
  public:
    explicit THelpWindow(Context& context, QWidget* parent = nullptr);

    // Opens the page of the current language over `returnTo`, which gets the keyboard back when
    // the help closes. A page that is missing or holds nothing is reported in a box instead, and
    // false is returned.
    bool ShowPage(QWidget* returnTo);
    // Follows a link of the page as a click on it does.
    void FollowLink(const QUrl& link);
    // Esc and the close button.
    void CloseHelp();
    // The page's title and the buttons' words in the current language.
    void Relabel();

    QLabel* TitleLabel = nullptr;
    QPushButton* BackButton = nullptr;
    QPushButton* ContentsButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QTextBrowser* Browser = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout();
    // Shows a page file of the program folder; false after a box when it cannot be shown.
    bool Open(const QString& file, const QString& fragment);
    void Missing(const QString& file);
    // The page's title in the bar, as much of it as fits.
    void FitTitle();

    Context& context_;
    QWidget* bar_ = nullptr;
    QPointer<QWidget> returnTo_;
};

}  // namespace kvd
