#include "frontend/intro_form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

#include "core/context.h"
#include "core/game.h"
#include "core/game_sound.h"
#include "core/map_file.h"
#include "core/text_ids.h"
#include "platform/desktop/window_style.h"
#include "platform/picture.h"
#include "platform/platform.h"

namespace kvd {

const char* const kRequiredFiles[7] = {
    "config\\last.cfg",           "config\\UShips.cfg", "config\\JShips.cfg",
    "config\\EShips.cfg",         "config\\DShips.cfg", "help\\english\\kvdhelp.htm",
    "help\\german\\kvdhilfe.htm",
};

namespace {
constexpr int kOffScreenGap = 200;

const QString kFontMissing = QStringLiteral(
    "   Title font not found!   \r\r  The blackletter font built into Korvald could not be "
    "loaded...  ");
const QString kFontFailed =
    QStringLiteral("   Font File missing!     Please reinstall program...   ");
const QString kFileMissing =
    QStringLiteral("   An important game file is missing!    Please reinstall program...   ");

QString Colour() {
    return MenuTextColour().name();
}
}  // namespace

TIntroForm::TIntroForm(Context& context, Game& game, QWidget* parent)
    : QWidget(parent), context_(context), game_(game) {
    StyleFullScreenWindow(*this);
    BuildPanels();
}

void TIntroForm::BuildPanels() {
    const Resources& resources = *context_.platform.resources;
    Fonts& fonts = *context_.platform.fonts;
    fonts.LoadTitleFont();

    // The intro sign: a 478 x 120 picture in a 488 x 130 frame.
    introSign_ = new QWidget(this);
    introSign_->setFixedSize(488, 130);
    introSign_->setStyleSheet(QStringLiteral("background: %1;").arg(Colour()));
    auto* sign = new QLabel(introSign_);
    sign->setGeometry(5, 5, 478, 120);
    sign->setScaledContents(true);
    sign->setPixmap(PicturePixmap(resources, QStringLiteral("INTROSIGN"), QSize(478, 120)));

    introFrame_ = new QLabel(this);
    introFrame_->setFixedSize(616, 424);
    introFrame_->setScaledContents(true);
    introFrame_->setPixmap(
        PicturePixmap(resources, QStringLiteral("INTROPICTURE"), QSize(616, 424)));

    titleImage_ = new QLabel(this);
    titleImage_->setFixedSize(600, 120);
    titleImage_->setScaledContents(true);

    menuPanel_ = new QWidget(this);
    menuPanel_->setObjectName(QStringLiteral("MenuPanel"));
    menuPanel_->setFixedSize(641, 593);
    menuPanel_->setStyleSheet(
        QStringLiteral("#MenuPanel { background: black; border: 2px solid %1; }").arg(Colour()));
    heading_ = new QLabel(QStringLiteral("Korvald"), menuPanel_);
    heading_->setGeometry(0, 8, 641, 70);
    heading_->setAlignment(Qt::AlignCenter);
    heading_->setFont(fonts.TitleFont(51));
    heading_->setStyleSheet(QStringLiteral("color: %1;").arg(Colour()));
    auto* picture = new QLabel(menuPanel_);
    picture->setGeometry(40, 86, 561, 300);
    picture->setScaledContents(true);
    picture->setStyleSheet(QStringLiteral("border: 3px solid %1;").arg(Colour()));
    picture->setPixmap(PicturePixmap(resources, QStringLiteral("MENUPICTURE"), QSize(561, 300)));
    BuildMenuEntries();
}

void TIntroForm::BuildMenuEntries() {
    Fonts& fonts = *context_.platform.fonts;
    // Three columns: Start Game, Multi-Player, Campaign | Map Maker, Options | About, Help, Quit.
    const int columnTop = 404, columnHeight = 170;
    const int columnX[3] = {14, 224, 430}, columnWidth[3] = {206, 202, 197};
    for (int k = 0; k < 3; ++k) {
        columns_[k] = new QWidget(menuPanel_);
        columns_[k]->setGeometry(columnX[k], columnTop, columnWidth[k], columnHeight);
        columns_[k]->setMouseTracking(true);
        columns_[k]->installEventFilter(this);
    }
    struct Place {
        Entry entry;
        int column;
        int slot;
        const char* text;
    };
    static const Place places[] = {
        {StartGame, 0, 0, "Start Game"},
        {MultiPlayer, 0, 1, "Multi-Player"},
        {Campaign, 0, 2, "Campaign"},
        {MapMaker, 1, 0, "Map Maker"},
        {Options, 1, 1, "Options"},
        {ServiceRecord, 1, 2, "Service Record"},
        {About, 2, 0, "About"},
        {Help, 2, 1, "Help"},
        {Quit, 2, 2, "Quit"},
    };
    for (const Place& place : places) {
        auto* label = new QLabel(QString::fromLatin1(place.text), columns_[place.column]);
        // The middle column's two entries stand between the others' rows, the service record
        // under them in a smaller hand.
        const bool service = place.entry == ServiceRecord;
        const int y = service             ? 132
                      : place.column == 1 ? 26 + place.slot * 56
                                          : 6 + place.slot * 56;
        label->setGeometry(0, y, columnWidth[place.column], service ? 36 : 48);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(fonts.TitleFont(service ? 24 : 33));
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        entries_[place.entry] = label;
    }
    ResetEntryColours();
}

void TIntroForm::MoveOffScreen(QWidget* widget) {
    widget->move(context_.platform.screen->Width() + kOffScreenGap, widget->y());
}

void TIntroForm::CentreIntroSign() {
    const Screen& screen = *context_.platform.screen;
    introSign_->move((screen.Width() - 480) / 2, (screen.Height() - 120) / 2);
}

void TIntroForm::Fail(const QString& text, BoxKind kind) {
    startupFailed_ = true;
    context_.platform.boxes->Show(kind, text, BoxButtons::Ok);
}

void TIntroForm::FormCreate() {
    Platform& p = context_.platform;
    const int width = p.screen->Width(), height = p.screen->Height();
    setGeometry(0, 0, width, height);
    p.cursor->Set(this, CursorShape::Hidden);
    startupFailed_ = false;
    MoveOffScreen(menuPanel_);
    MoveOffScreen(introFrame_);
    MoveOffScreen(titleImage_);
    MoveOffScreen(introSign_);
    menuPanel_->move(menuPanel_->x(), (height - 590) / 2);

    // The title font is built into the program; only a damaged program lacks it.
    if (!p.fonts->LoadTitleFont()) Fail(kFontMissing, BoxKind::Confirmation);
    if (startupFailed_) {
        p.boxes->Show(BoxKind::Error, kFontFailed, BoxButtons::Ok);
        End();
        return;
    }
    for (const char* file : kRequiredFiles) {
        if (!p.files->Exists(QString::fromLatin1(file))) {
            Fail(kFileMissing, BoxKind::Error);
            break;
        }
    }
    if (!startupFailed_) LoadSettings(*p.files, context_.settingsLines, context_.settings);
    if (!startupFailed_) {
        switch (ChangeLanguage(p, context_.settings.Language, context_.texts)) {
            case LanguageSwitch::CopyFailed:
                Fail(kLanguageFailureAtStart, BoxKind::Error);
                break;
            case LanguageSwitch::NoTexts:
                Fail(kNoLanguageAtStart, BoxKind::Error);
                break;
            case LanguageSwitch::Done:
            case LanguageSwitch::OtherLanguage:
                break;
        }
    }
    if (!startupFailed_) TellBadMapName();
    if (width < 799 || width > 1281) {
        // Too narrow, or too wide where the display could not be scaled to the game.
        const QString needs =
            context_.texts.Text(width < 799 ? text::kScreenTooWide : text::kScreenNotScaled);
        Fail(QStringLiteral("  ") + needs.arg(width).arg(height) + QStringLiteral("   "),
             BoxKind::Error);
    }
}

void TIntroForm::TellBadMapName() {
    const SettingsLines& lines = context_.settingsLines;
    if (lines.size() <= settings_line::kMapName) return;
    const QString named = lines[settings_line::kMapName];
    if (named.isEmpty() || IsMapName(named)) return;
    context_.platform.boxes->Show(
        BoxKind::Warning,
        QStringLiteral("   ") +
            context_.texts
                .TextOr(text::kNoMapName,
                        QStringLiteral("\"%1\" is not the name of a map. %2 is played instead."))
                .arg(named, ShownMapName(kStandardMap)) +
            QStringLiteral("   "),
        BoxButtons::Ok);
}

void TIntroForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
    // The first showing is the first activation: the intro runs once the window is up.
    if (!activated_) {
        activated_ = true;
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    }
}

void TIntroForm::FormActivate() {
    if (startupFailed_) {
        End();
        return;
    }
    if (introPlayed_) return;
    Platform& p = context_.platform;
    const int width = p.screen->Width(), height = p.screen->Height();
    // The intro's two sounds play whatever the sound setting says.
    p.pacing->Wait(50);
    CentreIntroSign();
    p.pacing->Wait(50);
    p.sound->Play(QStringLiteral("Xing"), false);
    p.pacing->Wait(4000);
    if (ending_) return;
    MoveOffScreen(introSign_);
    p.pacing->Wait(1000);
    if (ending_) return;
    introFrame_->move((width - 616) / 2, (height - 540) / 2);
    titleImage_->move((width - 600) / 2, height / 100 * 85);
    p.sound->Play(QStringLiteral("intro"), false);
    p.pacing->Wait(5000);
    if (ending_) return;
    titleImage_->setPixmap(PicturePixmap(*p.resources, QStringLiteral("TITLE2"), QSize(600, 120)));
    p.pacing->Wait(8000);
    if (ending_) return;
    SkipIntro();
}

void TIntroForm::SkipIntro() {
    Platform& p = context_.platform;
    introFrame_->move(-999, introFrame_->y());
    titleImage_->move(-999, titleImage_->y());
    menuPanel_->move((p.screen->Width() - 650) / 2, (p.screen->Height() - 590) / 2);
    introFrame_->setPixmap(QPixmap());
    titleImage_->setPixmap(QPixmap());
    introPlayed_ = true;
    p.cursor->Set(this, CursorShape::Arrow);
}

void TIntroForm::FormShow() {
    auto set = [this](Entry e) { return [this, e](const QString& s) { entries_[e]->setText(s); }; };
    CaptionChain(context_.texts, {{11, set(StartGame)},
                                  {3, set(Help)},
                                  {2, set(Quit)},
                                  {1, set(Options)},
                                  {12, set(MultiPlayer)},
                                  {8, set(MapMaker)},
                                  {73, set(About)},
                                  {72, set(Campaign)}});
    entries_[ServiceRecord]->setText(
        context_.texts.TextOr(text::kServiceRecord, QStringLiteral("Service Record")));
}

void TIntroForm::SetEntryColour(Entry entry, bool hover) {
    entries_[entry]->setStyleSheet(TextColourSheet(hover ? MenuHoverColour() : MenuTextColour()));
}

void TIntroForm::ResetEntryColours() {
    for (int e = 0; e < kEntries; ++e) SetEntryColour(Entry(e), false);
    hovered_ = -1;
}

void TIntroForm::EntryHover(Entry entry) {
    if (hovered_ == entry) return;
    if (entry == StartGame) {
        for (Entry other : {MultiPlayer, Campaign, MapMaker, Options}) SetEntryColour(other, false);
    } else if (entry == Options || entry == MapMaker) {
        for (int e = 0; e < kEntries; ++e) SetEntryColour(Entry(e), false);
    }
    SetEntryColour(entry, true);
    hovered_ = entry;
    PlaySound(context_.platform, context_.settings, QStringLiteral("Click"), false);
}

void TIntroForm::ColumnHover() {
    ResetEntryColours();
}

void TIntroForm::EntryClick(Entry entry) {
    Platform& p = context_.platform;
    Game& g = game_;
    switch (entry) {
        case StartGame:
            g.GameMode = mode::kSingleGame;
            g.CampaignRegion = 0;
            g.NetRole = net_role::kNone;
            g.NetGame = false;
            p.cursor->Set(this, CursorShape::Hidden);
            if (startupFailed_) {
                End();
                return;
            }
            PlaySound(p, context_.settings, QStringLiteral("Bell"), false);
            ResetEntryColours();
            menu->StartGame();
            break;
        case MultiPlayer:
            g.GameMode = mode::kSingleGame;
            ResetEntryColours();
            menu->ShowMultiPlayer();
            break;
        case Campaign:
            g.NetRole = net_role::kNone;
            SetEntryColour(StartGame, false);
            setEnabled(false);  // until the campaign window gives the menu back
            menu->ShowCampaign();
            break;
        case MapMaker:
            setEnabled(false);
            menu->ShowMapMaker();
            break;
        case Options:
            PlaySound(p, context_.settings, QStringLiteral("Click"), false);
            ResetEntryColours();
            setEnabled(false);
            menu->ShowOptions();
            break;
        case Help:
            PlaySound(p, context_.settings, QStringLiteral("Click"), false);
            ResetEntryColours();
            help->ShowHelp();
            break;
        case ServiceRecord:
            PlaySound(p, context_.settings, QStringLiteral("Click"), false);
            ResetEntryColours();
            setEnabled(false);  // until the service record gives the menu back
            menu->ShowServiceRecord();
            break;
        case About:
            // The about window has the keyboard until it closes; the menu waits behind it.
            setEnabled(false);
            menu->ShowAbout();
            break;
        case Quit: {
            MoveOffScreen(menuPanel_);
            CentreIntroSign();
            p.pacing->Wait(2000);
            End();
            break;
        }
        case kEntries:
            break;
    }
}

void TIntroForm::End() {
    if (ending_) return;
    ending_ = true;
    hide();
    flow->EndProgram();
}

void TIntroForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        End();
    else
        QWidget::keyPressEvent(event);
}

void TIntroForm::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program.
    QWidget::closeEvent(event);
    End();
}

bool TIntroForm::eventFilter(QObject* watched, QEvent* event) {
    // While a window over the menu has it disabled (about, options, the map editor), the entries
    // neither light up nor answer: the labels' own filter would otherwise still see the mouse.
    if (!isEnabled()) return QWidget::eventFilter(watched, event);
    for (int e = 0; e < kEntries; ++e) {
        if (watched != entries_[e]) continue;
        if (event->type() == QEvent::Enter) EntryHover(Entry(e));
        if (event->type() == QEvent::MouseButtonRelease) EntryClick(Entry(e));
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        for (QWidget* column : columns_)
            if (watched == column) ColumnHover();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kvd
