#include "frontend/help_window.h"

#include "frontend/fight_chart.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocument>
#include <functional>

#include "core/context.h"
#include "core/fleet_file.h"
#include "core/game.h"
#include "core/help_pages.h"
#include "core/unit_table.h"
#include "platform/desktop/window_style.h"
#include "platform/platform.h"

namespace kvd {

namespace {
constexpr int kBarHeight = 52;
constexpr int kButtonWidth = 150;
constexpr int kGap = 10;

// Texts of the help window in the language files.
constexpr int kHelpText = 3;  // "Help", the main menu's entry, names the window while no page is up
constexpr int kBackText = 195;
constexpr int kCloseText = 196;
constexpr int kMissingText = 197;
constexpr int kContentsText = 198;

// A game file name as the player reads it on this system.
QString Shown(const QString& file) {
    return QString(file).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// The pages are written for any browser; their own style asks for more than the text view can
// draw (light headings on a dark banner it leaves white). Here they take the look below instead,
// made of what the view does draw: the parchment page, navy headings, the coloured fight table.
const char* const kPageStyle = R"(
body { background-color: #f3ead2; color: #2a2216; font-family: "DejaVu Serif", "Liberation Serif", serif;
       font-size: 17px; }
h1 { color: #10284b; font-size: 34px; font-weight: normal; text-align: center; margin-top: 12px; }
h2 { color: #10284b; font-size: 25px; font-weight: normal; margin-top: 26px; margin-bottom: 8px; }
h3 { color: #10284b; font-size: 19px; margin-top: 16px; margin-bottom: 4px; }
a { color: #1d4a86; }
p, li { margin-top: 4px; margin-bottom: 4px; }
table { border-collapse: collapse; border-color: #9c8655; border-style: solid; background-color: #fbf6e6;
        margin-top: 8px; margin-bottom: 12px; }
th { background-color: #10284b; color: #f3ead2; font-weight: normal; padding: 4px; border-color: #9c8655; }
td { padding: 4px; border-color: #9c8655; }
td.rowhead, th.rowhead { background-color: #dccfa9; color: #10284b; font-weight: bold; }
td.win { background-color: #d5e6c3; }
td.lose { background-color: #efc9bd; }
td.both { background-color: #ddd6c6; }
td.cmp { background-color: #cbd8ea; }
td.dmg { background-color: #f2e1a6; }
.no { color: #8a6a22; }
.btn { font-weight: bold; color: #10284b; }
kbd, code { font-family: "DejaVu Sans Mono", monospace; font-size: 15px; color: #10284b; font-weight: bold; }
.note { background-color: #efe2c0; color: #5a1a10; }
.tip { background-color: #e6e2cf; }
.top { text-align: right; font-size: 14px; }
)";

// The widest the text runs: lines across a wide screen are hard to follow.
constexpr int kMaxTextWidth = 1100;

// A text view that reads the handbook's pages without their own style, so the one above holds,
// and keeps the page a column of readable width in the middle of a wide screen.
class HelpBrowser : public QTextBrowser {
  public:
    explicit HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
        QPalette sides = palette();
        sides.setColor(QPalette::Window, QColor(0xcd, 0xbf, 0x9c));
        setPalette(sides);
        setAutoFillBackground(true);
    }

    void resizeEvent(QResizeEvent* event) override {
        const int side = qMax(0, (width() - kMaxTextWidth) / 2);
        setViewportMargins(side, 0, side, 0);
        QTextBrowser::resizeEvent(event);
    }

    QVariant loadResource(int type, const QUrl& name) override {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource || resource.userType() != QMetaType::QByteArray)
            return resource;
        QStringDecoder decode = QStringDecoder::decoderForHtml(resource.toByteArray());
        QString html = decode.isValid() ? decode(resource.toByteArray())
                                        : QString::fromUtf8(resource.toByteArray());
        static const QRegularExpression style(QStringLiteral("<style[^>]*>.*</style>"),
                                              QRegularExpression::CaseInsensitiveOption |
                                                  QRegularExpression::DotMatchesEverythingOption);
        html.remove(style);
        if (chart && html.contains(kFightChartMark)) html.replace(kFightChartMark, chart());
        return html;
    }

    // The chart of what beats what, made when a page asks for it.
    std::function<QString()> chart;
};
}  // namespace

THelpWindow::THelpWindow(Context& context, QWidget* parent) : QWidget(parent), context_(context) {
    StyleFullScreenWindow(*this);
    // The window that asked waits behind it: nothing there can be started while the help is up.
    setWindowModality(Qt::ApplicationModal);
    BuildLayout();
}

void THelpWindow::BuildLayout() {
    const QString colour = MenuTextColour().name(), hover = MenuHoverColour().name();
    bar_ = new QWidget(this);
    bar_->setObjectName(QStringLiteral("HelpBar"));
    bar_->setAttribute(Qt::WA_StyledBackground, true);
    bar_->setStyleSheet(
        QStringLiteral("#HelpBar { background: black; border-bottom: 1px solid %1; }").arg(colour));

    TitleLabel = new QLabel(bar_);
    TitleLabel->setFont(context_.platform.fonts->TitleFont(30));
    TitleLabel->setStyleSheet(TextColourSheet(MenuTextColour()));
    TitleLabel->setTextFormat(Qt::PlainText);

    auto button = [&]() {
        auto* b = new QPushButton(bar_);
        QFont font = b->font();
        font.setPixelSize(17);
        b->setFont(font);
        b->setCursor(Qt::PointingHandCursor);
        b->setFocusPolicy(
            Qt::NoFocus);  // the keys stay with the page: arrows and page keys scroll it
        b->setStyleSheet(
            QStringLiteral("QPushButton { color: %1; background: #101418; border: 1px solid %1; "
                           "padding: 4px 10px; }"
                           "QPushButton:hover { color: %2; border-color: %2; }"
                           "QPushButton:disabled { color: #5c554c; border-color: #5c554c; }")
                .arg(colour, hover));
        return b;
    };
    BackButton = button();
    ContentsButton = button();
    CloseButton = button();

    auto* browser = new HelpBrowser(this);
    browser->chart = [this] {
        UnitTable fleet;
        QStringList lines;
        context_.platform.files->LoadLines(
            FleetFileName(mode::kSingleGame, context_.settings.HomeNavy), lines);
        fleet.SetLines(lines);
        return FightChartHtml(fleet, context_.texts);
    };
    Browser = browser;
    Browser->setFrameShape(QFrame::NoFrame);
    Browser->document()->setDefaultStyleSheet(QString::fromLatin1(kPageStyle));
    Browser->document()->setDocumentMargin(20);
    // Every link comes to FollowLink, which keeps the pages here and sends addresses out.
    Browser->setOpenLinks(false);
    Browser->setOpenExternalLinks(false);

    connect(Browser, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { FollowLink(link); });
    connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QWidget::setEnabled);
    connect(BackButton, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(ContentsButton, &QPushButton::clicked, Browser, &QTextBrowser::home);
    connect(CloseButton, &QPushButton::clicked, this, [this] { CloseHelp(); });
    // Esc closes the help wherever the keyboard is in the window, and only the help.
    Browser->installEventFilter(this);
    Relabel();
}

void THelpWindow::Relabel() {
    const LanguageTexts& texts = context_.texts;
    auto label = [&](QPushButton* b, int n, const char* english) {
        b->setText(texts.TextOr(n, QString::fromLatin1(english)));
    };
    label(BackButton, kBackText, "Back");
    label(ContentsButton, kContentsText, "Contents");
    label(CloseButton, kCloseText, "Close");
    FitTitle();
}

void THelpWindow::FitTitle() {
    // A title wider than its room in the bar is cut with an ellipsis, never in mid-letter.
    const QString title = Browser->documentTitle();
    const QString whole = !title.isEmpty() ? title : context_.texts.Text(kHelpText);
    TitleLabel->setText(
        QFontMetrics(TitleLabel->font()).elidedText(whole, Qt::ElideRight, TitleLabel->width()));
    TitleLabel->setToolTip(whole);
}

void THelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    bar_->setGeometry(0, 0, width(), kBarHeight);
    const int buttonTop = (kBarHeight - 34) / 2;
    int x = width() - kGap;
    for (QPushButton* b : {CloseButton, ContentsButton, BackButton}) {
        x -= kButtonWidth;
        b->setGeometry(x, buttonTop, kButtonWidth, 34);
        x -= kGap;
    }
    TitleLabel->setGeometry(16, 0, qMax(0, x - 16), kBarHeight);
    FitTitle();
    Browser->setGeometry(0, kBarHeight, width(), qMax(0, height() - kBarHeight));
}

bool THelpWindow::ShowPage(QWidget* returnTo) {
    if (!Open(HelpPageFile(context_.settings.Language), QString())) return false;
    returnTo_ = returnTo;
    const Screen& screen = *context_.platform.screen;
    setGeometry(0, 0, screen.Width(), screen.Height());
    Browser->clearHistory();
    BackButton->setEnabled(false);
    Relabel();
    showFullScreen();
    TakeKeyboard(*this);
    Browser->setFocus();
    context_.platform.cursor->Set(this, CursorShape::Arrow);
    return true;
}

bool THelpWindow::Open(const QString& file, const QString& fragment) {
    Files& files = *context_.platform.files;
    if (!files.Exists(file)) {
        Missing(file);
        return false;
    }
    QUrl page = QUrl::fromLocalFile(files.Resolve(file));
    if (!fragment.isEmpty()) page.setFragment(fragment);
    Browser->setSource(page);
    // A page that is there but holds nothing readable is as good as missing.
    if (Browser->document()->toPlainText().trimmed().isEmpty()) {
        Browser->clear();
        Missing(file);
        return false;
    }
    return true;
}

void THelpWindow::Missing(const QString& file) {
    const QString text = context_.texts.TextOr(
        kMissingText, QStringLiteral("The help page is missing - please reinstall the game: "));
    context_.platform.boxes->Show(
        BoxKind::Error, QStringLiteral("   ") + text + Shown(file) + QStringLiteral("   "),
        BoxButtons::Ok);
}

void THelpWindow::FollowLink(const QUrl& link) {
    const QUrl target = Browser->source().resolved(link);
    if (!target.isLocalFile()) {
        // A web page or a mail address: the desktop's own programs are made for those.
        context_.platform.shell->Open(target.toString());
        return;
    }
    const bool samePage =
        target.adjusted(QUrl::RemoveFragment) == Browser->source().adjusted(QUrl::RemoveFragment);
    if (!samePage && !QFileInfo(target.toLocalFile()).isFile()) {
        Missing(target.toLocalFile());
        return;
    }
    Browser->setSource(target);
    Relabel();
}

void THelpWindow::CloseHelp() {
    close();
}

void THelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        CloseHelp();
    else
        QWidget::keyPressEvent(event);
}

bool THelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Browser && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        CloseHelp();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void THelpWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // Back to the window that asked, with the keyboard, so its own Esc works at once.
    if (returnTo_ && returnTo_->isVisible()) TakeKeyboard(*returnTo_);
}

}  // namespace kvd
