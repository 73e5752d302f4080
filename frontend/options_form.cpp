#include "frontend/options_form.h"

#include "core/navy.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "core/context.h"
#include "core/game.h"
#include "core/game_sound.h"
#include "core/language_texts.h"
#include "core/map_file.h"
#include "core/settings.h"
#include "platform/desktop/window_style.h"
#include "platform/platform.h"

namespace kvd {

namespace {
constexpr int kPanelWidth = 649;
constexpr int kPanelHeight = 577;

const QString kPlaneLetters = QStringLiteral("0123");
const QString kYesNo = QStringLiteral("YN");  // the first entry of a yes/no list means 'Y'
const QString kOpponentLetters = QStringLiteral("SA");  // the standard opponent, the Admiral

QString ColourSheet(const QColor& colour) {
    return QStringLiteral("color: %1; background: transparent;").arg(colour.name());
}

// The list index of a letter in a set of letters, -1 (nothing selected) when it is none of them.
int IndexOf(const QString& letters, QChar letter) {
    return letters.indexOf(letter);
}

// Texts of the window beyond its captions: the "Sound" label, and two boxes of two lines each.
constexpr int kSoundText = 201;
constexpr int kNoMapsText = 202;      // and 203
constexpr int kSaveFailedText = 204;  // and 205
// The opponent's label and its two entries.
constexpr int kOpponentText = 270;  // 271, 272
}  // namespace

TOptions::TOptions(Context& context, Game& game, QWidget* parent)
    : QWidget(parent),
      platform_(context.platform),
      settings_(context.settings),
      lines_(context.settingsLines),
      texts_(context.texts),
      boardMap_(game.MemoPad) {
    StyleFullScreenWindow(*this);
    BuildLayout();
}

void TOptions::BuildLayout() {
    Panel1 = new QWidget(this);
    Panel1->setFixedSize(kPanelWidth, kPanelHeight);
    Panel1->setMouseTracking(true);
    Panel1->installEventFilter(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setStyleSheet(QStringLiteral("#Panel1 { background: black; border: 1px solid %1; }")
                              .arg(MenuTextColour().name()));

    auto label = [&](const QString& text, int x, int y, int w, int h, int px) {
        auto* l = new QLabel(text, Panel1);
        l->setGeometry(x, y, w, h);
        l->setFont(platform_.fonts->TitleFont(px));
        l->setStyleSheet(ColourSheet(MenuTextColour()));
        l->installEventFilter(this);
        l->setMouseTracking(true);
        return l;
    };
    auto list = [&](int y) {
        auto* box = new QComboBox(Panel1);
        box->setGeometry(330, y + 4, 270, 30);
        QFont font = box->font();
        font.setPixelSize(16);
        box->setFont(font);
        const QString c = MenuTextColour().name();
        box->setStyleSheet(
            QStringLiteral("QComboBox { color: %1; background: #101418; border: 1px solid %1; "
                           "padding-left: 6px; }"
                           "QComboBox QAbstractItemView { color: %1; background: #101418; "
                           "selection-background-color: #2a3440; }")
                .arg(c));
        return box;
    };

    TitleLabel = label(QStringLiteral("Options Menu"), 0, 14, kPanelWidth, 56, 44);
    TitleLabel->setAlignment(Qt::AlignCenter);
    const int top = 92, step = 47;
    NavyLabel = label(QStringLiteral("Home Navy"), 48, top, 270, 40, 28);
    MapLabel = label(QStringLiteral("Select Map"), 48, top + step, 270, 40, 28);
    SoundLabel = label(QStringLiteral("Sound"), 48, top + 2 * step, 270, 40, 28);
    LangLabel = label(QStringLiteral("Language"), 48, top + 3 * step, 270, 40, 28);
    RevealLabel = label(QStringLiteral("Reveal"), 48, top + 4 * step, 270, 40, 28);
    ReconnLabel = label(QStringLiteral("Reconn. Planes"), 48, top + 5 * step, 270, 40, 28);
    CombatLabel = label(QStringLiteral("Additional Damage"), 48, top + 6 * step, 270, 40, 28);
    FlagLabel = label(QStringLiteral("Transfer the Flag"), 48, top + 7 * step, 270, 40, 28);
    OpponentLabel = label(QStringLiteral("Opponent"), 48, top + 8 * step, 270, 40, 28);
    Label8 = label(QStringLiteral("Submit Settings and Return to Main Menu"), 0,
                   top + 9 * step + 14, kPanelWidth, 44, 28);
    Label8->setAlignment(Qt::AlignCenter);
    Label8->setCursor(Qt::PointingHandCursor);

    NavyList = list(top);
    for (QChar navy : kNavyLetters) NavyList->addItem(NavyName(navy, texts_));
    MapList = list(top + step);
    SoundBox = list(top + 2 * step);
    SoundBox->addItems({QString(), QString()});
    LangBox = list(top + 3 * step);
    LangBox->addItems({QString(), QString()});
    revealBox = list(top + 4 * step);
    revealBox->addItems({QString(), QString()});
    ReconnBox = list(top + 5 * step);
    ReconnBox->addItems(
        {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    CombatBox = list(top + 6 * step);
    CombatBox->addItems({QString(), QString()});
    FlagBox = list(top + 7 * step);
    FlagBox->addItems({QString(), QString()});
    OpponentBox = list(top + 8 * step);
    OpponentBox->addItems({QStringLiteral("Standard"), QStringLiteral("Admiral")});
    ConnectLists();
}

void TOptions::ConnectLists() {
    // Only a player's pick changes a setting; selecting entries while filling does not.
    connect(NavyList, &QComboBox::activated, this, [this] { NavyListChange(); });
    connect(MapList, &QComboBox::activated, this, [this] { MapListChange(); });
    connect(SoundBox, &QComboBox::activated, this, [this] { SoundBoxChange(); });
    connect(LangBox, &QComboBox::activated, this, [this] { LangBoxChange(); });
    connect(revealBox, &QComboBox::activated, this, [this] { revealBoxChange(); });
    connect(ReconnBox, &QComboBox::activated, this, [this] { ReconnBoxChange(); });
    connect(CombatBox, &QComboBox::activated, this, [this] { CombatBoxChange(); });
    connect(FlagBox, &QComboBox::activated, this, [this] { FlagBoxChange(); });
    connect(OpponentBox, &QComboBox::activated, this, [this] { OpponentBoxChange(); });
}

void TOptions::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    openedSettings_ = settings_;
    openedLines_ = lines_;
    FormShow();
    TakeKeyboard(*this);
}

void TOptions::FormShow() {
    const int width = platform_.screen->Width(), height = platform_.screen->Height();
    setGeometry(0, 0, width, height);
    Panel1->move((width - 616) / 2, (height - 590) / 2);

    auto text = [](QLabel* l) { return [l](const QString& s) { l->setText(s); }; };
    auto item = [](QComboBox* b, int k) {
        return [b, k](const QString& s) { b->setItemText(k, s); };
    };
    SoundLabel->setText(texts_.TextOr(kSoundText, QStringLiteral("Sound")));
    for (int k = 0; k < kNavyLetters.size(); ++k)
        NavyList->setItemText(k, NavyName(kNavyLetters[k], texts_));
    OpponentLabel->setText(texts_.TextOr(kOpponentText, QStringLiteral("Opponent")));
    OpponentBox->setItemText(0, texts_.TextOr(kOpponentText + 1, QStringLiteral("Standard")));
    OpponentBox->setItemText(1, texts_.TextOr(kOpponentText + 2, QStringLiteral("Admiral")));
    CaptionChain(texts_, {{13, text(TitleLabel)},
                          {10, text(NavyLabel)},
                          {9, text(LangLabel)},
                          {77, text(MapLabel)},
                          {4, text(RevealLabel)},
                          {111, text(CombatLabel)},
                          {78, text(ReconnLabel)},
                          {5, text(FlagLabel)},
                          {6, text(Label8)},
                          {63, item(SoundBox, 0)},
                          {64, item(SoundBox, 1)},
                          {112, item(LangBox, 0)},
                          {113, item(LangBox, 1)},
                          {15, item(revealBox, 0)},
                          {16, item(revealBox, 1)},
                          {15, item(FlagBox, 0)},
                          {16, item(FlagBox, 1)},
                          {15, item(CombatBox, 0)},
                          {16, item(CombatBox, 1)}});

    // The lines as they stand; the map line is kept aside until the player picks a map.
    const QString mapName = settings_.MapName;
    ApplySettingsLines(lines_, settings_);
    mapNameCopy_ =
        lines_.size() > settings_line::kMapName ? lines_[settings_line::kMapName] : mapName;
    settings_.MapName = mapName;

    MapList->clear();
    // The list reads as names; each entry keeps its file's name to play.
    for (const QString& name : kvd::MapList(*platform_.files))
        MapList->addItem(ShownMapName(name), name);
    const int map =
        MapList->findData(mapNameCopy_, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    MapList->setCurrentIndex(map >= 0 ? map : (MapList->count() > 0 ? 0 : -1));
    SelectFromVariables();
    SetSubmitColour(false);
}

void TOptions::SelectFromVariables() {
    const QChar Y = QLatin1Char('Y');
    LangBox->setCurrentIndex(settings_.Language == QLatin1Char('E') ? 0 : 1);
    NavyList->setCurrentIndex(IndexOf(kNavyLetters, settings_.HomeNavy));
    SoundBox->setCurrentIndex(settings_.SoundOption == Y ? 0 : 1);
    revealBox->setCurrentIndex(IndexOf(kYesNo, settings_.RevealOption));
    ReconnBox->setCurrentIndex(IndexOf(kPlaneLetters, settings_.ReconPlanes));
    FlagBox->setCurrentIndex(settings_.FlagTransfer == Y ? 0 : 1);
    CombatBox->setCurrentIndex(settings_.AdditionalDamage == Y ? 0 : 1);
    OpponentBox->setCurrentIndex(AdmiralPlays(settings_) ? 1 : 0);
}

void TOptions::NavyListChange() {
    LetterChange(NavyList, kNavyLetters, settings_.HomeNavy, settings_line::kHomeNavy);
}

void TOptions::MapListChange() {
    settings_.MapName = MapList->currentData().toString();
    if (settings_.MapName.isEmpty()) settings_.MapName = QStringLiteral("Standard");
    mapNameCopy_ = settings_.MapName;
    SetSettingLine(lines_, settings_line::kMapName, settings_.MapName);
}

void TOptions::LetterChange(QComboBox* box, const QString& letters, QChar& variable, int line) {
    const int k = box->currentIndex();
    if (k < 0 || k >= letters.size()) return;
    variable = letters[k];
    SetSettingChar(lines_, line, variable);
}

void TOptions::SoundBoxChange() {
    LetterChange(SoundBox, kYesNo, settings_.SoundOption, settings_line::kSound);
}
void TOptions::revealBoxChange() {
    LetterChange(revealBox, kYesNo, settings_.RevealOption, settings_line::kReveal);
}
void TOptions::CombatBoxChange() {
    LetterChange(CombatBox, kYesNo, settings_.AdditionalDamage, settings_line::kAdditionalDamage);
}
void TOptions::FlagBoxChange() {
    LetterChange(FlagBox, kYesNo, settings_.FlagTransfer, settings_line::kFlagTransfer);
}
void TOptions::OpponentBoxChange() {
    LetterChange(OpponentBox, kOpponentLetters, settings_.Opponent, settings_line::kOpponent);
}
void TOptions::ReconnBoxChange() {
    LetterChange(ReconnBox, kPlaneLetters, settings_.ReconPlanes, settings_line::kReconPlanes);
}

void TOptions::LangBoxChange() {
    const int k = LangBox->currentIndex();
    if (k < 0) return;
    settings_.Language = k == 0 ? QLatin1Char('E') : QLatin1Char('D');
    SwitchTexts();
    SetSettingChar(lines_, settings_line::kLanguage, settings_.Language);
    FormShow();
}

void TOptions::SwitchTexts() {
    switch (ChangeLanguage(platform_, settings_.Language, texts_)) {
        case LanguageSwitch::CopyFailed:
            platform_.boxes->Show(BoxKind::Error, kLanguageFailureOnChange, BoxButtons::Ok);
            break;
        case LanguageSwitch::NoTexts:
            platform_.boxes->Show(BoxKind::Error, kNoLanguageOnChange, BoxButtons::Ok);
            break;
        case LanguageSwitch::Done:
        case LanguageSwitch::OtherLanguage:
            break;
    }
}

void TOptions::Box(int first, const QString& english1, const QString& english2) {
    platform_.boxes->Show(BoxKind::Error,
                          QStringLiteral("   ") + texts_.TextOr(first, english1) +
                              QStringLiteral("   \r\r   ") + texts_.TextOr(first + 1, english2) +
                              QStringLiteral("   "),
                          BoxButtons::Ok);
}

void TOptions::Label8Click() {
    PlaySound(platform_, settings_, QStringLiteral("Click"), true);
    if (MapList->currentIndex() < 0) {
        Box(kNoMapsText, QStringLiteral("No map files were found in the maps folder!"),
            QStringLiteral("Please reinstall the maps or make one in the Map Maker."));
        return;
    }
    settings_.MapName = MapList->currentData().toString();
    QString error;
    if (!LoadMap(*platform_.files, settings_.MapName, boardMap_, &error)) {
        platform_.boxes->Show(BoxKind::Error, QStringLiteral("   %1   ").arg(error),
                              BoxButtons::Ok);
        return;
    }
    const QChar region = boardMap_.Region();
    texts_.MO(79, 1);
    const QChar navy = settings_.HomeNavy;
    const bool european = navy == QLatin1Char('E') || navy == QLatin1Char('D');
    const bool pacific = navy == QLatin1Char('U') || navy == QLatin1Char('J');
    if ((european && region == QLatin1Char('A')) || (pacific && region == QLatin1Char('E'))) {
        const BoxAnswer answer = platform_.boxes->Show(
            BoxKind::Warning, QStringLiteral("   ") + texts_.Msg1 + QStringLiteral("  "),
            BoxButtons::YesNo);
        if (answer != BoxAnswer::Yes) {
            NavyList->setCurrentIndex(IndexOf(kNavyLetters, settings_.HomeNavy));
            return;
        }
    }
    // The map that is played is the one shown as selected, so the file names it too.
    SetSettingLine(lines_, settings_line::kMapName, settings_.MapName);
    if (!SaveSettings(*platform_.files, lines_)) {
        Box(kSaveFailedText, QStringLiteral("The settings could not be saved to config/last.cfg!"),
            QStringLiteral("Your choices are kept. Please check the disk and submit again."));
        return;
    }
    close();
    flow->BackToMenu();
}

void TOptions::Cancel() {
    const bool languageChanged = settings_.Language != openedSettings_.Language;
    settings_ = openedSettings_;
    lines_ = openedLines_;
    if (languageChanged) SwitchTexts();
    close();
    flow->BackToMenu();
}

void TOptions::SetSubmitColour(bool hover) {
    submitHovered_ = hover;
    Label8->setStyleSheet(ColourSheet(hover ? MenuHoverColour() : MenuTextColour()));
}

void TOptions::Label8MouseEnter() {
    if (submitHovered_) return;
    SetSubmitColour(true);
    PlaySound(platform_, settings_, QStringLiteral("Click"), true);
}

void TOptions::HoverEnd() {
    if (submitHovered_) SetSubmitColour(false);
}

void TOptions::HoverEndUnlessOverSubmit(QObject* watched, QEvent* event) {
    // A move over the submit line itself reaches the panel too (labels pass mouse moves on
    // to their parent); it must not end the hover.
    auto* widget = qobject_cast<QWidget*>(watched);
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (widget && Label8->rect().contains(Label8->mapFromGlobal(widget->mapToGlobal(at)))) return;
    HoverEnd();
}

void TOptions::mouseMoveEvent(QMouseEvent* event) {
    HoverEndUnlessOverSubmit(this, event);
    QWidget::mouseMoveEvent(event);
}

void TOptions::keyPressEvent(QKeyEvent* event) {
    // Return submits, as a click on the submit line would; Esc leaves without saving.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Label8Click();
    else if (event->key() == Qt::Key_Escape)
        Cancel();
    else
        QWidget::keyPressEvent(event);
}

bool TOptions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label8) {
        if (event->type() == QEvent::Enter) Label8MouseEnter();
        if (event->type() == QEvent::Leave) HoverEnd();
        if (event->type() == QEvent::MouseButtonRelease) Label8Click();
    } else if (event->type() == QEvent::MouseMove) {
        HoverEndUnlessOverSubmit(watched, event);
    } else if (event->type() == QEvent::MouseButtonPress &&
               (watched == TitleLabel || watched == SoundLabel)) {
        HoverEnd();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kvd
