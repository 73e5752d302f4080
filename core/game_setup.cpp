// Setting up a game against the computer: pictures, map, fleet and the placement of both sides.
#include "core/context.h"
#include "core/fleet_file.h"
#include "core/main_form.h"
#include "platform/jpeg.h"
#include "platform/platform.h"

namespace kvd {

namespace {

const QString kBackToMenu = QStringLiteral("   \r\r   Back to the main menu...   ");

// The campaign maps of each region, in the order a draw picks them.
const QStringList& RegionMaps(int region) {
    static const QStringList maps[8] = {
        {"$ICELAND", "$IRELAND", "$CORK", "$LANDSEND"},
        {"$FAROE", "$SKAGERRACK", "$SHETLAND", "$STAVANGER", "$BOME"},
        {"$CHANNEL", "$LANDSEND", "$PLYMOUTH", "$WIGHT", "$PORTLAND"},
        {"$MALTA", "$ALGIERS", "$TUNIS", "$TRIPOLI", "$LISBON"},
        {"$NSOLOMON", "$SSOLOMON", "$ESOLOMON", "$WSOLOMON"},
        {"$NPHILLIPINE", "$SPHILLIPINE", "$EPHILLIPINE", "$WPHILLIPINE"},
        {"$GUAM", "$CAROLINE", "$MARSHALL", "$HAWAII", "$EHAWAII", "$SHAWAII", "$BATAN"},
        {"$NOKINAWA", "$SOKINAWA", "$NRYUKYU", "$SRYUKYU"},
    };
    return maps[region - 1];
}

// The home band of a side for the map's home position letter: the player's fleet on that edge,
// the opponent's on the opposite one; the columns or rows 4 and 5 stay free.
QRect Band(QChar homePosition, QChar side) {
    const bool first = side == QLatin1Char('E');
    switch (homePosition.unicode()) {
        case 'L': return first ? QRect(0, 0, 4, 10) : QRect(6, 0, 4, 10);
        case 'R': return first ? QRect(6, 0, 4, 10) : QRect(0, 0, 4, 10);
        case 'T': return first ? QRect(0, 0, 10, 4) : QRect(0, 6, 10, 4);
        case 'B': return first ? QRect(0, 6, 10, 4) : QRect(0, 0, 10, 4);
        default: return QRect();
    }
}

}  // namespace

bool TMainForm::Fail(const QString& message) {
    context_.game.GameActive = 0;
    context_.platform.boxes->Show(BoxKind::Error, QStringLiteral("   ") + message + kBackToMenu,
                                  BoxButtons::Ok);
    FreePictures();
    hide();
    if (OnSetupFailed) OnSetupFailed();
    return false;
}

bool TMainForm::GameInit() {
    Context& c = context_;
    GameVariables& g = c.game;
    Settings& s = c.settings;
    Platform& p = c.platform;

    // 1 to 5: the game variables.
    g.GameActive = 1;
    g.GameOver = 0;
    g.Gamestage = 0;
    g.HasPresets = QLatin1Char('N');
    g.Winner = 0;
    if (g.NetRole < 2) g.SideToMove = QLatin1Char('E');
    if (g.GameMode == 3 && c.settingsLines.size() > 5 && !c.settingsLines[5].isEmpty())
        s.FlagTransfer = c.settingsLines[5][0];
    if (s.FlagTransfer == QLatin1Char('Y')) {
        g.FlagTransferSecond = QLatin1Char('Y');
        g.ETransfered = 0;
        g.DTransfered = 0;
    } else if (s.FlagTransfer == QLatin1Char('N')) {
        g.FlagTransferSecond = QLatin1Char('N');
    }
    if (g.NetGame == 0) g.NetRole = 0;
    g.UnitSelected = 0;
    g.PlayerTurn = 1;
    g.OpponentTurn = 0;
    g.SweepAllowed = 1;
    p.random->Seed();
    g.TurnCount = 0;
    g.PlaneLaunches = 1;
    g.PatrolWaypoint = p.random->Next(5) + 1;
    p.pacing->Delay(10);
    p.pacing->Delay(10);
    if (g.GameMode == 1) {
        g.FirstSideWins = 0;
        g.SecondSideWins = 0;
        s.ReconPlanes = QLatin1Char('0');
    }
    if (g.GameMode == 2) {
        s.FlagTransfer = QLatin1Char('N');
        g.FlagTransferSecond = QLatin1Char('N');
        s.ReconPlanes = QLatin1Char('0');
    }

    // 6 to 8: the pictures.
    FreePictures();
    geometry_ = BoardGeometry::Of(*p.screen);
    Snapshot.Create(geometry_.width, geometry_.boardHeight);
    LoadPictureSets();

    // 9: the map.
    if (g.GameMode != 0) {
        if (!PickCampaignMap()) return false;
    } else if (!LoadMapOfSingleGame()) {
        return false;
    }

    // 10: the fleet.
    if (!LoadFleetOfGame()) return false;

    // 11 and 12: both sides take their places.
    if (!PlaceSide(QLatin1Char('D'), true)) return false;
    if (g.HasPresets == QLatin1Char('Y')) ApplyPresets();
    else if (!PlaceSide(QLatin1Char('E'), false)) return false;

    // 13 and 14: the radar aircraft; the planes setting counts the launch that is left.
    if (s.ReconPlanes == QLatin1Char('0') || g.NetGame == 1 || s.RevealOption == QLatin1Char('N')) {
        const int plane = scratchpad.FindSide(1, QLatin1Char('E'));
        if (plane >= 0) scratchpad.Remove(plane);
    } else {
        LaunchReconPlane();
    }
    if (s.ReconPlanes >= QLatin1Char('1') && s.ReconPlanes <= QLatin1Char('3'))
        s.ReconPlanes = QChar(s.ReconPlanes.unicode() + 1);

    // 15: a single game is played without the sixth submarine.
    if (g.NetGame == 0 && g.GameMode == 0) {
        const int sub = scratchpad.Find(6);
        if (sub >= 0) scratchpad.Remove(sub);
    }

    // 16: the clean map, the background stretched over the board area.
    CleanMap.Create(geometry_.width, geometry_.boardHeight);
    QImage clean = CleanMap.Image();
    Background.StretchDraw(clean, geometry_.BoardArea());
    CleanMap.Assign(std::move(clean));

    // 17: ships of each side; minefields and the radar aircraft are not ships.
    g.FirstSideShips = 0;
    g.SecondSideShips = 0;
    for (int i = 1; i < scratchpad.Count(); ++i) {
        const int code = scratchpad.Code(i);
        if (scratchpad.Side(i) == QLatin1Char('E') && ((code >= 2 && code <= 22) || code > 25))
            ++g.FirstSideShips;
        if (scratchpad.Side(i) == QLatin1Char('D') && (code < 47 || code > 49)) ++g.SecondSideShips;
    }

    // 18: show the board.
    setGeometry(0, 0, geometry_.width, geometry_.height);
    ResizeCanvas(geometry_.width, geometry_.height);
    PreDraw();
    FormPaint();
    showFullScreen();
    p.cursor->Set(this, CursorShape::Arrow);
    return true;
}

void TMainForm::LoadPictureSets() {
    const Context& c = context_;
    const Resources& res = *c.platform.resources;
    const int mode = c.game.GameMode;
    const bool convoy = mode == 2;

    LoadSpriteFromRes(res, QStringLiteral("ENEMYFLAG"), EnemyFlag);
    EnemyFlag.SetTransparent(true);
    LoadSpriteFromRes(res, QStringLiteral("GREENBOX"), GreenBox);
    GreenBox.SetTransparent(true);

    struct Entry {
        UnitKind kind;
        const char* name;
    };
    static const Entry warships[] = {
        {UnitKind::Supply, "AUX"},          {UnitKind::Submarine, "SUB"},
        {UnitKind::Corvette, "CORVETTE"},   {UnitKind::Frigate, "FRIGATE"},
        {UnitKind::Destroyer, "DESTROYER"}, {UnitKind::LightCruiser, "LTCRUISER"},
        {UnitKind::HeavyCruiser, "CRUISER"}, {UnitKind::Battleship, "BATTLESHIP"},
    };
    static const Entry convoyShips[] = {
        {UnitKind::Trooper, "TROOPER"},     {UnitKind::Merchant1, "MERCHANT1"},
        {UnitKind::Merchant2, "MERCHANT2"}, {UnitKind::Oiler, "OILER"},
    };
    auto loadSet = [&](PictureSet& set, const QString& prefix) {
        for (const Entry& e : warships) set.Load(res, e.kind, prefix + QLatin1String(e.name));
        if (!convoy) set.Load(res, UnitKind::Carrier, prefix + QStringLiteral("CARRIER"));
        if (convoy)
            for (const Entry& e : convoyShips) set.Load(res, e.kind, prefix + QLatin1String(e.name));
    };

    loadSet(FirstSet, QString());
    FirstSet.Load(res, UnitKind::Minefield, QStringLiteral("MINES"));
    if (mode == 0 || mode == 3) {
        LoadSpriteFromRes(res, QStringLiteral("JSTARS"), Jstars);
        Jstars.SetTransparent(true);
    }

    if (c.settings.RevealOption != QLatin1Char('Y')) return;
    const QChar navy = c.settings.HomeNavy;
    if (navy == QLatin1Char('E')) {
        loadSet(SecondSet, QStringLiteral("D"));
        return;
    }
    // Other navies meet an opponent drawn from the first set with its ensign in the corner.
    loadSet(SecondSet, QString());
    const QString flag = navy == QLatin1Char('D') ? QStringLiteral("EFLAG")
                         : navy == QLatin1Char('U') ? QStringLiteral("JFLAG")
                                                    : QStringLiteral("UFLAG");
    if (LoadSpriteFromRes(res, flag, NavyFlag)) SecondSet.StampFlag(NavyFlag, QRect(0, 0, 70, 40));
}

void TMainForm::SetMapPicture(const Picture& picture) {
    MapImage = picture;
    if (MapImage.IsNull()) {
        // A built-in picture that is not stored: open sea keeps the board usable.
        MapImage.Create(1024, 768, QColor(40, 86, 130));
    }
    Background = MapImage;
}

bool TMainForm::LoadMapOfSingleGame() {
    Context& c = context_;
    QString error;
    if (!LoadMap(*c.platform.files, c.settings.MapName, MemoPad, &error)) return Fail(error);
    c.game.HomePosition = MemoPad.HomePosition();
    Picture picture;
    if (IsBuiltInMap(c.settings.MapName)) {
        LoadJPEGFromRes(*c.platform.resources, BuiltInPictureName(c.settings.MapName), picture);
    } else {
        const QString path = MemoPad.PicturePath();
        QString reason;
        const QImage image = DecodeJpegFile(c.platform.files->Resolve(path), &reason);
        if (image.isNull())
            return Fail(QStringLiteral("The picture of the map %1 cannot be shown:   \r   %2 (%3)")
                            .arg(c.settings.MapName, path, reason));
        picture.Assign(image);
        if (MemoPad.HasPresetLines()) c.game.HasPresets = QLatin1Char('Y');
    }
    SetMapPicture(picture);
    return true;
}

bool TMainForm::PickCampaignMap() {
    Context& c = context_;
    Platform& p = c.platform;
    const int region = c.game.CampaignRegion;
    if (region >= 1 && region <= 8) {
        const QStringList& maps = RegionMaps(region);
        const int draw = p.random->Next(int(maps.size()));
        p.pacing->Delay(region >= 7 ? 50 : 10);
        c.settings.MapName = maps[draw];
        Picture picture;
        LoadJPEGFromRes(*p.resources, BuiltInPictureName(c.settings.MapName), picture);
        SetMapPicture(picture);
    }
    QString error;
    if (!LoadMap(*p.files, c.settings.MapName, MemoPad, &error)) return Fail(error);
    c.game.HomePosition = MemoPad.HomePosition();
    if (Background.IsNull()) SetMapPicture(Picture());
    return true;
}

bool TMainForm::LoadFleetOfGame() {
    Context& c = context_;
    QString error;
    const QString file = FleetFileName(c.game.GameMode, c.settings.HomeNavy);
    switch (LoadFleet(*c.platform.files, file, scratchpad, &error)) {
        case FleetLoad::Ok: return true;
        case FleetLoad::Missing:
        case FleetLoad::Malformed: return Fail(error);
        case FleetLoad::CopyFailed: break;
    }
    c.game.GameActive = 0;
    c.platform.boxes->Show(BoxKind::Error, kShipsFileFailure, BoxButtons::Ok);
    if (OnFatalFailure) OnFatalFailure();
    return false;
}

bool TMainForm::PlaceSide(QChar side, bool writePrev) {
    Platform& p = context_.platform;
    const QRect band = Band(context_.game.HomePosition, side);
    auto taken = [&](int column, int row) {
        for (int k = 1; k < scratchpad.Count(); ++k)
            if (scratchpad.Side(k) == side && scratchpad.PosX(k) == column && scratchpad.PosY(k) == row)
                return true;
        return MemoPad.IsLand(column, row);
    };
    for (int i = 1; i < scratchpad.Count(); ++i) {
        if (scratchpad.Side(i) != side) continue;
        if (side == QLatin1Char('E') && scratchpad.Code(i) == 1) continue;  // the aircraft flies
        // Drawing goes on until a free cell comes up; make sure there is one.
        bool room = false;
        for (int col = band.left(); col <= band.right() && !room; ++col)
            for (int row = band.top(); row <= band.bottom() && !room; ++row) room = !taken(col, row);
        if (!room)
            return Fail(QStringLiteral("The map %1 leaves no room in a home band for every unit.")
                            .arg(context_.settings.MapName));
        int column, row;
        do {
            column = band.left() + p.random->Next(band.width());
            row = band.top() + p.random->Next(band.height());
        } while (taken(column, row));
        scratchpad.SetPos(i, column, row);
        if (writePrev) scratchpad.SetPrev(i, column, row);
    }
    return true;
}

void TMainForm::ApplyPresets() {
    // Preset cells are used as they stand: neither land nor other units are checked.
    for (const Preset& preset : MemoPad.Presets()) {
        for (int i = 1; i < scratchpad.Count(); ++i) {
            if (scratchpad.Side(i) != QLatin1Char('E') || scratchpad.Code(i) != preset.code) continue;
            if (preset.code == 1) continue;  // the aircraft is never placed
            scratchpad.SetPos(i, ReadNumber(preset.cell, 1, 2), ReadNumber(preset.cell, 3, 2));
        }
    }
}

void TMainForm::LaunchReconPlane() {
    GameVariables& g = context_.game;
    g.PlaneLaunches += 1;
    const int planes = context_.settings.ReconPlanes.digitValue();
    if (planes < g.PlaneLaunches) return;
    const int plane = scratchpad.FindSide(1, QLatin1Char('E'));
    const int carrier = scratchpad.FindSide(g.ETransfered == 0 ? 22 : 21, QLatin1Char('E'));
    if (plane < 0 || carrier < 0) return;
    scratchpad.SetPos(plane, scratchpad.PosX(carrier), scratchpad.PosY(carrier));
}

}  // namespace kvd
