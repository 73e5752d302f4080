// The map editor's controls, laid out as the editor has always had them.
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QToolButton>

#include "core/context.h"
#include "core/fleet_placement.h"
#include "mapeditor/map_form.h"
#include "platform/colors.h"
#include "platform/platform.h"

namespace kvd {

QToolButton* TMapForm::Button(QRect where, bool step) {
    auto* b = new QToolButton(this);
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
    BuildToolBand();
    BuildStepPanel();
    ConnectButtons();
    OnlyLoading();
}

void TMapForm::BuildToolBand() {
    // The top band: the title on black.
    Title = new QLabel(this);
    Title->setGeometry(0, 0, kWidth, 65);
    Title->setAlignment(Qt::AlignCenter);
    Title->setFont(context_.platform.fonts->TitleFont(33));
    Title->setStyleSheet(
        QStringLiteral("background: black; color: %1;").arg(BgrColor(kBackground).name()));
    OutBox = new QLineEdit(this);
    OutBox->setGeometry(-999, -999, 10, 10);

    // The tool band: picture buttons with their words under the picture.
    QStyle* look = style();
    auto tool = [&](QRect where, bool step, QStyle::StandardPixmap icon) {
        QToolButton* b = Button(where, step);
        b->setIcon(look->standardIcon(icon));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        return b;
    };
    CloseButton = tool(QRect(6, 72, 70, 52), false, QStyle::SP_DialogCloseButton);
    HelpButton = tool(QRect(80, 72, 66, 52), true, QStyle::SP_DialogHelpButton);
    LoadButton = tool(QRect(156, 72, 70, 52), false, QStyle::SP_DialogOpenButton);
    ClearButton = tool(QRect(230, 72, 70, 52), false, QStyle::SP_TrashIcon);
    NameLabel = new QLabel(this);
    NameLabel->setGeometry(312, 74, 130, 22);
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(312, 96, 130, 26);
    Edit1->setMaxLength(12);
    // Upper-case letters and digits only: nothing that could leave the maps folder.
    Edit1->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,12}")), Edit1));
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int at = Edit1->cursorPosition();
            Edit1->setText(upper);
            Edit1->setCursorPosition(at);
        }
    });
    StoreButton = tool(QRect(448, 72, 70, 52), false, QStyle::SP_DialogSaveButton);
    Location = new QGroupBox(this);
    Location->setGeometry(530, 68, 240, 58);
    Europe = new QRadioButton(Location);
    Europe->setGeometry(10, 24, 90, 24);
    Europe->setChecked(true);
    Asia = new QRadioButton(Location);
    Asia->setGeometry(100, 24, 136, 24);
}

void TMapForm::BuildStepPanel() {
    // The left panel: the three steps.
    auto title = [&](int y) {
        auto* l = new QLabel(this);
        l->setGeometry(4, y, 104, 20);
        return l;
    };
    HomeTitle = title(132);
    HomeButton = Button(QRect(4, 152, 64, 48), true);
    HomeButton->setIconSize(QSize(58, 42));
    HomeConfirm = Button(QRect(70, 152, 38, 48), true);
    LandTitle = title(204);
    AddLand = Button(QRect(4, 224, 30, 30), true);
    UndoLand = Button(QRect(36, 224, 42, 30), true);
    LandConfirm = Button(QRect(80, 224, 28, 30), true);
    ShipsTitle = title(260);
    EnableShips = Button(QRect(4, 280, 50, 28), true);
    UndoShips = Button(QRect(56, 280, 52, 28), true);
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(4, 312, 82, 262);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (size_t k = 0; k < kEditorShipKinds.size(); ++k) {
        auto* item = new QListWidgetItem(ListBox1);
        item->setSizeHint(QSize(80, 25));
        auto* counter = new QLabel(this);
        counter->setGeometry(88, 313 + 25 * int(k), 20, 25);
        counter->setAlignment(Qt::AlignCenter);
        Counters[k] = counter;
    }
    ShipsConfirm = Button(QRect(4, 578, 104, 28), true);

    HomeMenu = new QMenu(this);
    for (QChar edge : kEdges)
        HomeMenu->addAction(QString(), this, [this, edge] { HomeChoice(edge); });
}

void TMapForm::ConnectButtons() {
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
}

}  // namespace kvd
