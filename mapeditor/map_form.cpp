#include "mapeditor/map_form.h"

#include "core/unit_codes.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/context.h"
#include "core/fleet_placement.h"
#include "core/game_sound.h"
#include "core/map_file.h"
#include "platform/colors.h"
#include "platform/desktop/window_style.h"
#include "platform/jpeg.h"
#include "platform/platform.h"

namespace kvd {

namespace {
constexpr quint32 kHomeFrame = 32768;
constexpr int kSmallestFont = 8;  // pixels: a longer text is not shrunk past it

// The editor's language texts.
constexpr int kHelpText = 3, kHomeTitle = 74, kShipsTitle = 75, kClearQuestion = 76, kStored = 80,
              kReservedName = 81;
constexpr int kTitle = 230, kClose = 231, kLoad = 232, kLoadHint = 233, kClear = 234,
              kClearHint = 235, kNameLabel = 236, kStore = 237, kLocation = 238, kEurope = 239,
              kAsia = 240, kLandTitle = 241, kHomeHint = 242, kOk = 243, kAdd = 244, kAddHint = 245,
              kUndo = 246, kUndoLandHint = 247, kPlace = 248, kUndoShipsHint = 249,
              kFirstEdge = 260, kTooMuchLand = 264, kShipsMissing = 265, kNameEmpty = 266,
              kBadPicture = 267, kNotStored = 268, kNoRoom = 269;
}  // namespace

TMapForm::TMapForm(Context& context, QWidget* parent) : QWidget(parent), context_(context) {
    setWindowFlags(Qt::FramelessWindowHint);
    setMouseTracking(true);
    setFixedSize(kWidth, kHeight);
    BuildLayout();
    screen_ = QImage(kWidth, kHeight, QImage::Format_RGB32);
    StartAfresh();
    Relabel();
}

QString TMapForm::Text(int n) const {
    return context_.texts.Text(n);
}

void TMapForm::OnlyLoading() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             ClearButton, StoreButton, Edit1, HomeButton, HomeConfirm, AddLand, UndoLand,
             LandConfirm, EnableShips, UndoShips, ListBox1, ShipsConfirm})
        w->setEnabled(false);
    LoadButton->setEnabled(true);
    // No step is under way: every step button is up.
    steps_->setExclusive(false);
    for (QAbstractButton* b : steps_->buttons()) b->setChecked(false);
    steps_->setExclusive(true);
}

void TMapForm::Relabel() {
    setWindowTitle(Text(kTitle));
    Title->setText(Text(kTitle));
    const struct {
        QAbstractButton* button;
        int text, hint;
    } buttons[] = {
        {CloseButton, kClose, kClose},
        {HelpButton, kHelpText, kHelpText},
        {LoadButton, kLoad, kLoadHint},
        {ClearButton, kClear, kClearHint},
        {StoreButton, kStore, kStore},
        {HomeButton, 0, kHomeHint},
        {HomeConfirm, kOk, 0},
        {AddLand, kAdd, kAddHint},
        {UndoLand, kUndo, kUndoLandHint},
        {LandConfirm, kOk, 0},
        {EnableShips, kPlace, 0},
        {UndoShips, kUndo, kUndoShipsHint},
        {ShipsConfirm, kOk, 0},
        {Europe, kEurope, 0},
        {Asia, kAsia, 0},
    };
    for (const auto& b : buttons) {
        if (b.text) b.button->setText(Text(b.text));
        b.button->setToolTip(b.hint ? Text(b.hint) : QString());
    }
    NameLabel->setText(Text(kNameLabel));
    Location->setTitle(Text(kLocation));
    const std::pair<QLabel*, int> titles[] = {
        {HomeTitle, kHomeTitle}, {LandTitle, kLandTitle}, {ShipsTitle, kShipsTitle}};
    for (const auto& [label, text] : titles) label->setText(Text(text));
    // Controls side by side share one size, so a long word does not stand out small.
    const QFont base = font();
    QFont bold = base;
    bold.setBold(true);
    FitFonts({CloseButton, HelpButton, LoadButton, ClearButton, StoreButton}, base);
    FitFonts({NameLabel}, base);
    FitFonts({Europe, Asia}, base);
    FitFonts({HomeTitle, LandTitle, ShipsTitle}, bold);
    FitFonts({HomeConfirm}, base);
    FitFonts({AddLand, UndoLand, LandConfirm}, base);
    FitFonts({EnableShips, UndoShips}, base);
    FitFonts({ShipsConfirm}, base);
    for (int k = 0; k < int(kEdges.size()); ++k)
        HomeMenu->actions()[k]->setText(Text(kFirstEdge + k));

    // The ship list: one size for all its entries, the largest at which the longest fits.
    QFont small = base;
    int pixels = 11;
    const int room = ListBox1->width() - 2 * ListBox1->frameWidth() - 6;
    for (;; --pixels) {
        small.setPixelSize(pixels);
        const QFontMetrics metrics(small);
        int widest = 0;
        for (const EditorShipKind& kind : kEditorShipKinds)
            widest = std::max(widest, metrics.horizontalAdvance(Text(kind.entry)));
        if (widest <= room || pixels <= kSmallestFont) break;
    }
    ListBox1->setFont(small);
    for (size_t k = 0; k < kEditorShipKinds.size(); ++k)
        ListBox1->item(int(k))->setText(Text(kEditorShipKinds[k].entry));
}

int TMapForm::NeededWidth(const QWidget* control) {
    // A tool button draws its words inside its frame, whatever its roomy size hint asks for.
    if (const auto* b = qobject_cast<const QToolButton*>(control))
        return b->fontMetrics().horizontalAdvance(b->text()) + 8;
    return control->sizeHint().width();
}

void TMapForm::FitFonts(std::initializer_list<QWidget*> controls, const QFont& base) {
    int pixels = QFontInfo(base).pixelSize();
    QFont font = base;
    for (QWidget* control : controls) {
        control->setFont(font);
        while (NeededWidth(control) > control->width() && pixels > kSmallestFont) {
            font.setPixelSize(--pixels);
            control->setFont(font);
        }
    }
    for (QWidget* control : controls) control->setFont(font);
}

void TMapForm::StartAfresh() {
    sheet_.Reset();
    sheet_.LandCount = 0;
    sheet_.ResetCounters();
    ShowCounters();
    ListBox1->setCurrentRow(-1);
    Europe->setChecked(true);
    PicturePath.clear();
    SetHomePicture(QStringLiteral("ALL"));
    Edit1->clear();
    Edit1->setEnabled(false);
    EditorHome = QLatin1Char('L');
    screen_.fill(BgrColor(kBackground));
    WorkImage = BaseImage = screen_;
    update();
}

void TMapForm::ShowCounters() {
    for (size_t k = 0; k < Counters.size(); ++k)
        Counters[k]->setText(QString::number(sheet_.Counters()[k]));
}

void TMapForm::SetHomePicture(const QString& sprite) {
    Picture face;
    if (LoadSpriteFromRes(*context_.platform.resources, sprite, face))
        HomeButton->setIcon(QIcon(QPixmap::fromImage(face.Image())));
}

// --- Showing and closing ---

void TMapForm::ShowCentred() {
    const Screen& screen = *context_.platform.screen;
    FormShow();
    move((screen.Width() - kWidth) / 2, (screen.Height() - kHeight) / 2);
    show();
    TakeKeyboard(*this);
    context_.platform.cursor->Set(this, CursorShape::Arrow);
}

void TMapForm::FormShow() {
    // The map starts afresh, and its picture with it: the land and ships of the last one are
    // not left standing over an empty map. The language may have changed meanwhile.
    StartAfresh();
    EditorStep = Step::LoadPicture;
    OnlyLoading();
    Relabel();
}

void TMapForm::CloseClick() {
    hide();
    flow->BackToMenu();
}

void TMapForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        CloseClick();
    else
        QWidget::keyPressEvent(event);
}

void TMapForm::HelpClick() {
    help->ShowHelp();
}

void TMapForm::Fail(const QString& text) {
    context_.platform.boxes->Show(BoxKind::Error, text, BoxButtons::Ok);
}

// --- The picture ---

void TMapForm::LoadClick() {
    QFileDialog dialog(this, Text(kLoadHint), context_.platform.files->ProgramFolder(),
                       QStringLiteral("JPEG (*.JPG *.jpg *.JPEG *.jpeg)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("JPG"));
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        LoadPicture(dialog.selectedFiles().first());
    EditorStep = Step::ChooseHome;
}

bool TMapForm::LoadPicture(const QString& path) {
    QString reason;
    const QImage picture = DecodeJpegFile(path, &reason);
    if (!picture.isNull() && picture.size() != QSize(1024, 768))
        reason = QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height());
    if (picture.isNull() || picture.size() != QSize(1024, 768)) {
        Fail(Text(kBadPicture) + ShownPath(path) + QStringLiteral(" (") + reason +
             QLatin1Char(')'));
        return false;
    }
    PicturePath = path;
    screen_.fill(BgrColor(kBackground));
    {
        // The whole picture under the grid, as the board stretches it under its cells.
        QPainter painter(&screen_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(kLeft, kTop, kWidth - kLeft, kHeight - kTop), picture);
        painter.setPen(Qt::black);
        for (int k = 1; k <= 9; ++k) {
            painter.drawLine(kLeft, kTop + kCellHeight * k, kWidth, kTop + kCellHeight * k);
            painter.drawLine(kLeft + kCellWidth * k, kTop, kLeft + kCellWidth * k, kHeight);
        }
    }
    LoadButton->setEnabled(false);
    StoreButton->setEnabled(false);
    ClearButton->setEnabled(true);
    HelpButton->setEnabled(true);
    HomeButton->setEnabled(true);
    WorkImage = BaseImage = screen_;
    update();
    return true;
}

void TMapForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (PicturePath.isEmpty())
        painter.fillRect(rect(), BgrColor(kBackground));
    else
        painter.drawImage(0, 0, screen_);
}

// --- Home ---

void TMapForm::HomeClick() {
    HomeMenu->popup(mapToGlobal(QPoint(kLeft, 87)));
    HomeConfirm->setEnabled(true);
}

void TMapForm::HomeChoice(QChar edge) {
    // The frame goes round the cells of the band, just inside their outer grid lines, so a
    // player sees which cells take ships.
    switch (edge.unicode()) {
        case 'L':
            SetHomePicture(QStringLiteral("LEFT"));
            break;
        case 'R':
            SetHomePicture(QStringLiteral("RIGHT"));
            break;
        case 'T':
            SetHomePicture(QStringLiteral("UP"));
            break;
        case 'B':
            SetHomePicture(QStringLiteral("DOWN"));
            break;
        default:
            return;
    }
    const QRect band = HomeBand(edge, kFirstSide);
    const int left = kLeft + kCellWidth * band.left();
    const int right = std::min(kWidth, kLeft + kCellWidth * (band.right() + 1));
    const int top = kTop + kCellHeight * band.top();
    const int bottom = std::min(kHeight, kTop + kCellHeight * (band.bottom() + 1));
    screen_ = WorkImage;
    EditorHome = edge;
    QPainter painter(&screen_);
    painter.setPen(QPen(BgrColor(kHomeFrame), 3));
    painter.drawRect(QRect(QPoint(left + 2, top + 2), QPoint(right - 3, bottom - 3)));
    update();
}

void TMapForm::HomeConfirmClick() {
    WorkImage = BaseImage = screen_;
    HomeButton->setEnabled(false);
    HomeConfirm->setEnabled(false);
    for (QWidget* w :
         std::initializer_list<QWidget*>{AddLand, UndoLand, LandConfirm, StoreButton, Edit1})
        w->setEnabled(true);
    EditorStep = Step::DrawLand;
    context_.platform.cursor->Set(this, CursorShape::Hand);
}

// --- Land ---

void TMapForm::AddLandClick() {
    context_.platform.cursor->Set(this, CursorShape::Hand);
    StoreButton->setEnabled(false);
    Edit1->setEnabled(false);
}

void TMapForm::UndoLandClick() {
    context_.platform.cursor->Set(this, CursorShape::Hand);
}

void TMapForm::LandConfirmClick() {
    EditorStep = Step::PlaceShips;
    for (QWidget* w : std::initializer_list<QWidget*>{AddLand, LandConfirm, UndoLand, UndoShips})
        w->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{EnableShips, StoreButton, Edit1})
        w->setEnabled(true);
    BaseImage = screen_;
}

void TMapForm::DrawCell(const QString& sprite, int x, int y, bool transparent) {
    Picture picture;
    if (!LoadSpriteFromRes(*context_.platform.resources, sprite, picture)) return;
    picture.SetTransparent(transparent);
    picture.StretchDraw(screen_, QRect(x, y, kCellWidth, kCellHeight));
}

void TMapForm::MapMouseDown(Qt::MouseButton button, QPoint at) {
    if (at.y() < 66 || EditorStep == Step::ChooseHome || EditorStep == Step::Finished) return;
    if (EditorStep == Step::DrawLand && AddLand->isChecked()) sheet_.LandCount = sheet_.CountLand();
    // Too much land: every click says so, in every step, until the map is cleared.
    if (sheet_.LandCount > MapSheet::kMaxLand) {
        Fail(Text(kTooMuchLand));
        return;
    }
    column_ = MapSheet::CellOf(at.x(), kLeft, kCellWidth, column_);
    row_ = MapSheet::CellOf(at.y(), kTop, kCellHeight, row_);
    if (button != Qt::LeftButton) return;
    const int c = column_, r = row_;
    if (EditorStep == Step::DrawLand && AddLand->isChecked()) {
        UndoLand->setEnabled(true);
        if (!sheet_.AddLand(c, r)) return;
        DrawCell(QStringLiteral("LANDMARK"), kLeft + kCellWidth * c, kTop + kCellHeight * r, true);
        WorkImage = screen_;
    } else if (EditorStep == Step::DrawLand && UndoLand->isChecked()) {
        if (sheet_.LandCount == 0) {
            steps_->setExclusive(false);
            UndoLand->setChecked(false);
            steps_->setExclusive(true);
            return;
        }
        sheet_.UndoLand(c, r);
        const QRect cell(kLeft + kCellWidth * c, kTop + kCellHeight * r, kCellWidth, kCellHeight);
        QPainter(&screen_).drawImage(cell, BaseImage, cell);
        WorkImage = screen_;
    } else if (EditorStep == Step::PlaceShips && EnableShips->isChecked()) {
        UndoShips->setEnabled(true);
        if (sheet_.HasShip(c, r) || !MapSheet::InHomeBand(EditorHome, c, r)) return;
        const int kind = ListBox1->currentRow();
        if (kind < 0 || sheet_.PlaceShip(kind, c, r) == 0) return;
        DrawCell(SpriteName(KindOfCode(kEditorShipKinds[size_t(kind)].codes[2])),
                 kLeft - 1 + kCellWidth * c, kTop + kCellHeight * r, true);
        ShowCounters();
        WorkImage = screen_;
        if (sheet_.AllShipsPlaced()) {
            ShipsConfirm->setEnabled(true);
            context_.platform.cursor->Set(this, CursorShape::Arrow);
        }
    }
    update();
}

void TMapForm::mousePressEvent(QMouseEvent* event) {
    MapMouseDown(event->button(), event->position().toPoint());
}

void TMapForm::mouseMoveEvent(QMouseEvent*) {
    if (EditorStep == Step::DrawLand || EditorStep == Step::PlaceShips)
        context_.platform.cursor->Set(this, CursorShape::Hand);
}

// --- Ships ---

void TMapForm::EnableClick() {
    UndoShips->setEnabled(false);
    ShipsConfirm->setEnabled(false);
    StoreButton->setEnabled(false);
    ListBox1->setEnabled(true);
    ListBox1->setCurrentRow(0);
}

void TMapForm::UndoShipsClick() {
    context_.platform.cursor->Set(this, CursorShape::Hand);
    if (UndoShips->isChecked() && EditorStep == Step::PlaceShips) {
        sheet_.UndoShips();
        ListBox1->setCurrentRow(0);
        ShowCounters();
    }
    // The ships are gone from the picture too, and stay gone when the window is repainted.
    screen_ = WorkImage = BaseImage;
    update();
}

void TMapForm::ShipsConfirmClick() {
    EnableShips->setEnabled(false);
    UndoShips->setEnabled(false);
    ShipsConfirm->setEnabled(false);
    StoreButton->setEnabled(true);
    EditorStep = Step::Finished;
}

// --- Store and clear ---

void TMapForm::StoreClick() {
    Platform& p = context_.platform;
    if (EnableShips->isChecked() && !ShipsConfirm->isChecked()) return Fail(Text(kShipsMissing));
    const QString name = Edit1->text();
    if (name.isEmpty()) return Fail(Text(kNameEmpty));
    // A built-in map's name is never taken, however the box is closed.
    if (MapSheet::Reserved(name)) {
        p.boxes->Show(BoxKind::Error, Text(kReservedName), BoxButtons::Ok);
        return;
    }
    const QString picture =
        MapSheet::PictureEntry(PicturePath, {p.files->ProgramFolder(), p.files->ShippedFolder()});
    const QStringList lines = sheet_.Stored(name, picture, EditorHome, Europe->isChecked());
    // A map no game could start on is not stored: the player hears why now, not at Start.
    MapLines map;
    map.SetLines(lines);
    const QChar crowded = CrowdedEdge(*p.files, map);
    if (!crowded.isNull())
        return Fail(Text(kNoRoom) + Text(kFirstEdge + int(kEdges.indexOf(crowded))) +
                    QLatin1Char('.'));
    const QString file = MapFileName(name);
    // The maps folder may have been deleted: storing a map makes it again (a player's own
    // folder of an installed game gets its folders as it is written to).
    if (!p.files->HasUserFolder()) QDir().mkpath(QFileInfo(p.files->Resolve(file)).path());
    // The file is replaced only by a complete new one: a failed store leaves an old map whole.
    if (!p.files->SaveLines(file, lines))
        return Fail(Text(kNotStored) + ShownPath(p.files->Resolve(file)));
    p.boxes->Show(BoxKind::Information, Text(kStored), BoxButtons::Ok);
    OutBox->setFocus();
}

void TMapForm::ClearAllClick() {
    Platform& p = context_.platform;
    if (p.boxes->Show(BoxKind::Confirmation, Text(kClearQuestion), BoxButtons::YesNo) !=
        BoxAnswer::Yes)
        return;
    StartAfresh();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ClearButton, StoreButton, EnableShips, UndoShips})
        w->setEnabled(false);
    LoadButton->setEnabled(true);
    p.cursor->Set(this, CursorShape::Arrow);
}

}  // namespace kvd
