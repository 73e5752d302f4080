#include "core/main_form.h"

#include <QKeyEvent>

#include "core/context.h"
#include "platform/colors.h"
#include "platform/platform.h"

namespace kvd {

namespace {
constexpr quint32 kBoardBackground = 15191973;
}

TMainForm::TMainForm(Context& context, QWidget* parent) : CanvasWindow(parent), context_(context) {
    setWindowTitle(QStringLiteral("Korvald"));
    setWindowFlag(Qt::FramelessWindowHint);
    SetCanvasBackground(BgrColor(kBoardBackground));
    FormCreate();
}

void TMainForm::FormCreate() {
    geometry_ = BoardGeometry::Of(*context_.platform.screen);
    setGeometry(0, 0, geometry_.width, geometry_.height);
    ResizeCanvas(geometry_.width, geometry_.height);

    // The band pictures belong to the window; plain panels stand in if they are not built in.
    const Resources& resources = *context_.platform.resources;
    if (!LoadJPEGFromRes(resources, QStringLiteral("MENUIMAGE"), MenuImage))
        MenuImage.Create(geometry_.width, geometry_.height - geometry_.boardHeight, QColor(58, 66, 74));
    if (!LoadJPEGFromRes(resources, QStringLiteral("DARKIMAGE"), DarkImage))
        DarkImage.Create(geometry_.width, geometry_.height - geometry_.boardHeight, QColor(18, 20, 24));
    LoadSpriteFromRes(resources, QStringLiteral("RADAR"), RadarSource);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && OnEndProgram) OnEndProgram();
    else CanvasWindow::keyPressEvent(event);
}

void TMainForm::FreePictures() {
    MapImage.Clear();
    Background.Clear();
    CleanMap.Clear();
    Snapshot.Clear();
    EnemyFlag.Clear();
    GreenBox.Clear();
    NavyFlag.Clear();
    Jstars.Clear();
    FirstSet.Clear();
    SecondSet.Clear();
}

void TMainForm::FormPaint() {
    const GameVariables& g = context_.game;
    if (g.GameActive == 0) return;
    const bool ownSide = g.NetRole == 0 || g.NetRole == 1;
    const bool ownTurn = (g.PlayerTurn == 1 && g.OpponentTurn == 0 && ownSide) ||
                         (g.PlayerTurn == 0 && g.OpponentTurn == 1 && g.NetRole == 2);
    const bool waiting = (g.PlayerTurn == 0 && g.OpponentTurn == 1 && ownSide) ||
                         (g.PlayerTurn == 1 && g.OpponentTurn == 0 && g.NetRole == 2);
    if (!ownTurn && !waiting) return;
    (ownTurn ? MenuImage : DarkImage).StretchDraw(Canvas(), geometry_.BottomBand());
    Snapshot.StretchDraw(Canvas(), geometry_.BoardArea());
    if (waiting) context_.platform.cursor->Set(this, CursorShape::Hidden);
    CanvasChanged();
}

}  // namespace kvd
