#include "mapeditor/map_form.h"

#include <algorithm>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStyle>

#include "core/context.h"
#include "core/game_sound.h"
#include "core/map_file.h"
#include "platform/desktop/window_style.h"
#include "platform/colors.h"
#include "platform/jpeg.h"
#include "platform/platform.h"

namespace kvd {

namespace {
constexpr int kWidth = 780, kHeight = 611;
constexpr quint32 kBackground = 10862545;
constexpr quint32 kHomeFrame = 32768;

const QString kTooManyLand = QStringLiteral("  Max. 18 squares reached!   ");
const QString kShipsMissing = QStringLiteral("  Not all ships have been selected!   ");
const QString kNameEmpty = QStringLiteral("  PROJECT name is empty!   ");
}  // namespace

TMapForm::TMapForm(Context& context, QWidget* parent) : QWidget(parent), context_(context) {
    setWindowTitle(QStringLiteral("Mapper - KVD"));
    setWindowFlags(Qt::FramelessWindowHint);
    setMouseTracking(true);
    setFixedSize(kWidth, kHeight);
    BuildLayout();
    sheet_.ResetCounters();
    ShowCounters();
    screen_ = QImage(kWidth, kHeight, QImage::Format_RGB32);
    screen_.fill(BgrColor(kBackground));
    WorkImage = BaseImage = screen_;
}

QToolButton* TMapForm::Button(QWidget* parent, const QString& text, const QString& hint, QRect where, bool step) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(hint);
    b->setGeometry(where);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    if (step) {
        b->setCheckable(true);
        steps_->addButton(b);
    }
    return b;
}

void TMapForm::BuildLayout() {
    steps_ = new QButtonGroup(this);
    steps_->setExclusive(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, BgrColor(kBackground));
    setPalette(palette);
    setAutoFillBackground(false);

    // The top band: the title on black.
    Title = new QLabel(QStringLiteral("Map Editor"), this);
    Title->setGeometry(0, 0, kWidth, 65);
    Title->setAlignment(Qt::AlignCenter);
    Title->setFont(context_.platform.fonts->TitleFont(33));
    Title->setStyleSheet(QStringLiteral("background: black; color: %1;").arg(BgrColor(kBackground).name()));
    OutBox = new QLineEdit(this);
    OutBox->setGeometry(-999, -999, 10, 10);

    // The tool band.
    QStyle* look = style();
    CloseButton = Button(this, QStringLiteral("Close"), QStringLiteral("Close"), QRect(6, 72, 70, 52), false);
    CloseButton->setIcon(look->standardIcon(QStyle::SP_DialogCloseButton));
    HelpButton = Button(this, QStringLiteral("Help"), QStringLiteral("Help"), QRect(80, 72, 66, 52), true);
    HelpButton->setIcon(look->standardIcon(QStyle::SP_DialogHelpButton));
    LoadButton = Button(this, QStringLiteral("Load"), QStringLiteral("Load 1024x768 JPG File"), QRect(156, 72, 70, 52), false);
    LoadButton->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
    ClearButton = Button(this, QStringLiteral("Clear"), QStringLiteral("Clear All"), QRect(230, 72, 70, 52), false);
    ClearButton->setIcon(look->standardIcon(QStyle::SP_TrashIcon));
    NameLabel = new QLabel(QStringLiteral("PROJECT Name:"), this);
    NameLabel->setGeometry(312, 74, 110, 22);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(312, 96, 130, 26);
    Edit1->setMaxLength(12);
    // Upper-case letters and digits only: nothing that could leave the maps folder.
    Edit1->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,12}")), Edit1));
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int at = Edit1->cursorPosition();
            Edit1->setText(upper);
            Edit1->setCursorPosition(at);
        }
    });
    StoreButton = Button(this, QStringLiteral("Store"), QStringLiteral("Store"), QRect(448, 72, 70, 52), false);
    StoreButton->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
    auto* location = new QGroupBox(QStringLiteral("Location "), this);
    location->setGeometry(530, 68, 240, 58);
    Europe = new QRadioButton(QStringLiteral("Europe"), location);
    Europe->setGeometry(10, 24, 90, 24);
    Europe->setChecked(true);
    Asia = new QRadioButton(QStringLiteral("Asia / Pacific"), location);
    Asia->setGeometry(100, 24, 130, 24);

    // The left panel: the three steps.
    auto title = [&](const QString& text, int y) {
        auto* l = new QLabel(text, this);
        l->setGeometry(4, y, 104, 20);
        QFont bold = l->font();
        bold.setBold(true);
        l->setFont(bold);
        return l;
    };
    HomeTitle = title(QStringLiteral("1. HOME"), 132);
    HomeButton = Button(this, QString(), QStringLiteral("Home Position"), QRect(4, 152, 64, 48), true);
    HomeButton->setIconSize(QSize(58, 42));
    SetHomePicture(QStringLiteral("ALL"));
    HomeConfirm = Button(this, QStringLiteral("OK"), QStringLiteral("Confirm"), QRect(70, 152, 38, 48), true);
    LandTitle = title(QStringLiteral("2. LAND"), 204);
    AddLand = Button(this, QStringLiteral("Add"), QStringLiteral("Select Land"), QRect(4, 224, 34, 30), true);
    UndoLand = Button(this, QStringLiteral("Undo"), QStringLiteral("Unselect Land"), QRect(40, 224, 36, 30), true);
    LandConfirm = Button(this, QStringLiteral("OK"), QStringLiteral("Confirm"), QRect(78, 224, 30, 30), true);
    ShipsTitle = title(QStringLiteral("3. SHIPS"), 260);
    EnableShips = Button(this, QStringLiteral("Place"), QStringLiteral("Formation"), QRect(4, 280, 50, 28), true);
    UndoShips = Button(this, QStringLiteral("Undo"), QStringLiteral("Unselect Ships"), QRect(56, 280, 52, 28), true);
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(4, 312, 82, 262);
    QFont small = ListBox1->font();
    small.setPixelSize(11);
    ListBox1->setFont(small);
    for (size_t k = 0; k < kEditorShipKinds.size(); ++k) {
        auto* item = new QListWidgetItem(QString::fromLatin1(kEditorShipKinds[k].entry), ListBox1);
        item->setSizeHint(QSize(80, 25));
        auto* counter = new QLabel(this);
        counter->setGeometry(88, 313 + 25 * int(k), 20, 25);
        counter->setAlignment(Qt::AlignCenter);
        Counters[k] = counter;
    }
    ShipsConfirm = Button(this, QStringLiteral("OK"), QStringLiteral("Confirm"), QRect(4, 578, 104, 28), true);

    HomeMenu = new QMenu(this);
    const std::pair<const char*, char> edges[] = {{"LEFT", 'L'}, {"RIGHT", 'R'}, {"TOP", 'T'}, {"BOTTOM", 'B'}};
    for (const auto& [text, edge] : edges) {
        const QChar letter = QLatin1Char(edge);
        HomeMenu->addAction(QString::fromLatin1(text), this, [this, letter] { HomeChoice(letter); });
    }

    connect(CloseButton, &QToolButton::clicked, this, [this] { CloseClick(); });
    connect(HelpButton, &QToolButton::clicked, this, [this] { HelpClick(); });
    connect(LoadButton, &QToolButton::clicked, this, [this] { LoadClick(); });
    connect(ClearButton, &QToolButton::clicked, this, [this] { ClearAllClick(); });
    connect(StoreButton, &QToolButton::clicked, this, [this] { StoreClick(); });
    connect(HomeButton, &QToolButton::clicked, this, [this] { HomeClick(); });
    connect(HomeConfirm, &QToolButton::clicked, this, [this] { HomeConfirmClick(); });
    connect(AddLand, &QToolButton::clicked, this, [this] { AddLandClick(); });
    connect(UndoLand, &QToolButton::clicked, this, [this] { UndoLandClick(); });
    connect(LandConfirm, &QToolButton::clicked, this, [this] { LandConfirmClick(); });
    connect(EnableShips, &QToolButton::clicked, this, [this] { EnableClick(); });
    connect(UndoShips, &QToolButton::clicked, this, [this] { UndoShipsClick(); });
    connect(ShipsConfirm, &QToolButton::clicked, this, [this] { ShipsConfirmClick(); });

    // Until a picture is loaded only loading, help and closing do anything.
    for (QWidget* w : std::initializer_list<QWidget*>{ClearButton, StoreButton, Edit1, HomeButton, HomeConfirm, AddLand,
                                                      UndoLand, LandConfirm, EnableShips, UndoShips, ListBox1,
                                                      ShipsConfirm})
        w->setEnabled(false);
}

void TMapForm::ShowCounters() {
    for (size_t k = 0; k < Counters.size(); ++k) Counters[k]->setText(QString::number(sheet_.Counters()[k]));
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
    EditorHome = QLatin1Char('L');
    ClearButton->setEnabled(false);
    StoreButton->setEnabled(false);
    UndoLand->setEnabled(false);
    LoadButton->setEnabled(true);
    sheet_.Reset();
    const QString home = context_.texts.Text(74), ships = context_.texts.Text(75);
    if (!home.isEmpty()) HomeTitle->setText(home);
    if (!ships.isEmpty()) ShipsTitle->setText(ships);
}

void TMapForm::CloseClick() {
    hide();
    flow->BackToMenu();
}

void TMapForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) CloseClick();
    else QWidget::keyPressEvent(event);
}

void TMapForm::HelpClick() {
    help->ShowHelp();
}

void TMapForm::Fail(const QString& text) { context_.platform.boxes->Show(BoxKind::Error, text, BoxButtons::Ok); }

// --- The picture ---

void TMapForm::LoadClick() {
    QFileDialog dialog(this, QStringLiteral("Load 1024x768 JPG File"), context_.platform.files->ProgramFolder(),
                       QStringLiteral("1024x768 JPEG Files (*.JPG *.jpg *.JPEG *.jpeg)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("JPG"));
    dialog.setObjectName(QStringLiteral("OpenDialog"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) LoadPicture(dialog.selectedFiles().first());
    EditorStep = 1;
}

bool TMapForm::LoadPicture(const QString& path) {
    QString reason;
    const QImage picture = DecodeJpegFile(path, &reason);
    if (picture.isNull()) {
        Fail(QStringLiteral("   The picture %1 cannot be read:   \r   %2   ").arg(ShownPath(path), reason));
        return false;
    }
    if (picture.size() != QSize(1024, 768)) {
        Fail(QStringLiteral("   The picture %1 is %2 x %3 pixels; a map needs 1024 x 768.   ")
                 .arg(ShownPath(path))
                 .arg(picture.width())
                 .arg(picture.height()));
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
    if (PicturePath.isEmpty()) painter.fillRect(rect(), BgrColor(kBackground));
    else painter.drawImage(0, 0, screen_);
}

// --- Home ---

void TMapForm::HomeClick() {
    HomeMenu->popup(mapToGlobal(QPoint(kLeft, 87)));
    HomeConfirm->setEnabled(true);
}

void TMapForm::HomeChoice(QChar edge) {
    // The frame goes round the cells of the band, just inside their outer grid lines, so a
    // player sees which cells take ships.
    int first = 0, last = 9;  // columns for the top and bottom bands, rows for the side bands
    switch (edge.unicode()) {
        case 'L': SetHomePicture(QStringLiteral("LEFT")), last = 3; break;
        case 'R': SetHomePicture(QStringLiteral("RIGHT")), first = 6; break;
        case 'T': SetHomePicture(QStringLiteral("UP")), last = 3; break;
        case 'B': SetHomePicture(QStringLiteral("DOWN")), first = 6; break;
        default: return;
    }
    const bool columns = edge == QLatin1Char('L') || edge == QLatin1Char('R');
    const int left = kLeft + (columns ? kCellWidth * first : 0);
    const int right = std::min(kWidth, kLeft + kCellWidth * (columns ? last + 1 : 10));
    const int top = kTop + (columns ? 0 : kCellHeight * first);
    const int bottom = std::min(kHeight, kTop + kCellHeight * (columns ? 10 : last + 1));
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
    for (QWidget* w : std::initializer_list<QWidget*>{AddLand, UndoLand, LandConfirm, StoreButton, Edit1})
        w->setEnabled(true);
    EditorStep = 2;
    context_.platform.cursor->Set(this, CursorShape::Hand);
}

// --- Land ---

void TMapForm::AddLandClick() {
    context_.platform.cursor->Set(this, CursorShape::Hand);
    StoreButton->setEnabled(false);
    Edit1->setEnabled(false);
}

void TMapForm::UndoLandClick() { context_.platform.cursor->Set(this, CursorShape::Hand); }

void TMapForm::LandConfirmClick() {
    EditorStep = 3;
    for (QWidget* w : std::initializer_list<QWidget*>{AddLand, LandConfirm, UndoLand, UndoShips}) w->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{EnableShips, StoreButton, Edit1}) w->setEnabled(true);
    BaseImage = screen_;
}

void TMapForm::DrawCell(const QString& sprite, int x, int y, bool transparent) {
    Picture picture;
    if (!LoadSpriteFromRes(*context_.platform.resources, sprite, picture)) return;
    picture.SetTransparent(transparent);
    picture.StretchDraw(screen_, QRect(x, y, kCellWidth, kCellHeight));
}

void TMapForm::MapMouseDown(Qt::MouseButton button, QPoint at) {
    if (at.y() < 66 || EditorStep == 1 || EditorStep == 99) return;
    if (EditorStep == 2 && AddLand->isChecked()) sheet_.LandCount = sheet_.CountLand();
    // Too much land: every click says so, in every step, until the map is cleared.
    if (sheet_.LandCount > MapSheet::kMaxLand) {
        Fail(kTooManyLand);
        return;
    }
    column_ = MapSheet::CellOf(at.x(), kLeft, kCellWidth, column_);
    row_ = MapSheet::CellOf(at.y(), kTop, kCellHeight, row_);
    if (button != Qt::LeftButton) return;
    const int c = column_, r = row_;
    if (EditorStep == 2 && AddLand->isChecked()) {
        UndoLand->setEnabled(true);
        if (!sheet_.AddLand(c, r)) return;
        DrawCell(QStringLiteral("LANDMARK"), kLeft + kCellWidth * c, kTop + kCellHeight * r, true);
        WorkImage = screen_;
    } else if (EditorStep == 2 && UndoLand->isChecked()) {
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
    } else if (EditorStep == 3 && EnableShips->isChecked()) {
        UndoShips->setEnabled(true);
        if (sheet_.HasShip(c, r) || !MapSheet::InHomeBand(EditorHome, c, r)) return;
        const int kind = ListBox1->currentRow();
        if (kind < 0 || sheet_.PlaceShip(kind, c, r) == 0) return;
        DrawCell(QString::fromLatin1(kEditorShipKinds[size_t(kind)].sprite), kLeft - 1 + kCellWidth * c,
                 kTop + kCellHeight * r, true);
        ShowCounters();
        WorkImage = screen_;
        if (sheet_.AllShipsPlaced()) {
            ShipsConfirm->setEnabled(true);
            context_.platform.cursor->Set(this, CursorShape::Arrow);
        }
    }
    update();
}

void TMapForm::mousePressEvent(QMouseEvent* event) { MapMouseDown(event->button(), event->position().toPoint()); }

void TMapForm::mouseMoveEvent(QMouseEvent*) {
    if (EditorStep == 2 || EditorStep == 3) context_.platform.cursor->Set(this, CursorShape::Hand);
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
    if (UndoShips->isChecked() && EditorStep == 3) {
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
    EditorStep = 99;
}

// --- Store and clear ---

void TMapForm::StoreClick() {
    Platform& p = context_.platform;
    if (EnableShips->isChecked() && !ShipsConfirm->isChecked()) return Fail(kShipsMissing);
    const QString name = Edit1->text();
    if (name.isEmpty()) return Fail(kNameEmpty);
    // A built-in map's name is never taken, however the box is closed.
    if (MapSheet::Reserved(name)) {
        p.boxes->Show(BoxKind::Error, context_.texts.Text(81), BoxButtons::Ok);
        return;
    }
    const QString file = MapFileName(name);
    // The file is replaced only by a complete new one: a failed store leaves an old map whole.
    if (!p.files->SaveLines(file, sheet_.Stored(name, PicturePath, EditorHome, Europe->isChecked()))) {
        Fail(QStringLiteral("   The map could not be stored as %1.   \r   Please check the disk and store again.   ")
                 .arg(ShownPath(p.files->Resolve(file))));
        return;
    }
    p.boxes->Show(BoxKind::Information, context_.texts.Text(80), BoxButtons::Ok);
    OutBox->setFocus();
}

void TMapForm::ClearAllClick() {
    Platform& p = context_.platform;
    if (p.boxes->Show(BoxKind::Confirmation, context_.texts.Text(76), BoxButtons::YesNo) != BoxAnswer::Yes) return;
    sheet_.Reset();
    for (QWidget* w : std::initializer_list<QWidget*>{ClearButton, StoreButton, EnableShips, UndoShips})
        w->setEnabled(false);
    Europe->setChecked(true);
    PicturePath.clear();
    SetHomePicture(QStringLiteral("ALL"));
    Edit1->clear();
    Edit1->setEnabled(false);
    EditorHome = QLatin1Char('L');
    screen_.fill(BgrColor(kBackground));
    WorkImage = BaseImage = screen_;
    update();
    LoadButton->setEnabled(true);
    sheet_.LandCount = 0;
    p.cursor->Set(this, CursorShape::Arrow);
    sheet_.ResetCounters();
    ShowCounters();
}

}  // namespace kvd
