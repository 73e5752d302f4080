#include "core/game_setup.h"

#include "core/navy.h"

#include "core/built_in_maps.h"
#include "core/context.h"
#include "core/fleet_file.h"
#include "core/fleet_placement.h"
#include "core/game.h"
#include "core/map_file.h"
#include "core/setup_display.h"
#include "core/unit_codes.h"
#include "platform/platform.h"

namespace kvd {

namespace {

const QString kBackToMenu = QStringLiteral("   \r\r   Back to the main menu...   ");

QString PictureFailure(const QString& mapName, const QString& picture, const QString& reason) {
    return QStringLiteral("The picture of the map %1 cannot be shown:   \r   %2 (%3)")
        .arg(ShownMapName(mapName), picture, reason);
}

}  // namespace

GameSetup::GameSetup(Game& game, Context& context, SetupDisplay& display)
    : game_(game), context_(context), display_(display) {}

bool GameSetup::Fail(const QString& message) {
    game_.GameActive = false;
    context_.platform.boxes->Show(BoxKind::Error, QStringLiteral("   ") + message + kBackToMenu,
                                  BoxButtons::Ok);
    display_.DropPictures();
    display_.HideBoard();
    flow->BackToMenu();
    return false;
}

bool GameSetup::GameInit() {
    RuleGuard::Scope running(context_.guard);
    context_.guard.EnterGame();
    Game& g = game_;

    ResetVariables();
    g.PatrolWaypoint = g.dice.Next(5) + 1;
    if (!context_.guard.Delay(10) || !context_.guard.Delay(10)) return false;

    // A new set of pictures for this navy and mode.
    display_.PrepareGamePictures(g.GameMode, false);

    if (g.GameMode != mode::kSingleGame) {
        if (!PickCampaignMap()) return false;
    } else if (!LoadMapAndPicture(true)) {
        return false;
    }
    if (!LoadFleetOfGame()) return false;

    // The opponent first, each unit's previous cell its start; then the player, by the map's
    // presets when a user map has them, the units they leave out drawn in the home band.
    if (!PlaceFleets(g, g.HasPresets == QLatin1Char('Y')))
        return Fail(QStringLiteral("The map %1 leaves no room in a home band for every unit.")
                        .arg(ShownMapName(context_.settings.MapName)));
    KeepOnlyUnitsOfThisGame();
    FinishSetup();
    display_.ShowBoard();
    return true;
}

void GameSetup::ResetVariables() {
    Game& g = game_;
    Settings& s = context_.settings;
    g.GameActive = true;
    g.GameOver = false;
    g.Gamestage = stage::kOn;
    g.HasPresets = QLatin1Char('N');
    g.Winner = 0;
    if (g.NetRole != net_role::kJoining) g.SideToMove = kFirstSide;

    // The last campaign stage plays with the stored flag setting again.
    g.FlagTransfer = s.FlagTransfer;
    if (g.GameMode == mode::kLastStage &&
        !context_.settingsLines.First(settings_line::kFlagTransfer).isNull())
        g.FlagTransfer = context_.settingsLines.First(settings_line::kFlagTransfer);
    if (g.FlagTransfer == QLatin1Char('Y')) {
        g.FlagTransferSecond = QLatin1Char('Y');
        g.ETransferred = false;
        g.DTransferred = false;
    } else if (g.FlagTransfer == QLatin1Char('N')) {
        g.FlagTransferSecond = QLatin1Char('N');
    }

    if (!g.NetGame) g.NetRole = net_role::kNone;
    g.UnitSelected = false;
    g.PlayerTurn = true;
    g.OpponentTurn = false;
    g.SweepAllowed = true;
    context_.platform.random->Seed(g.dice);
    g.TurnCount = 0;
    g.battleLog = {};
    g.PlaneLaunches = 1;
    g.PlaneAllowance = s.ReconPlanes;

    // The first campaign stage starts the tally; the first two stages fly no aircraft, and
    // the convoy escort transfers no flag.
    if (g.GameMode == mode::kFirstStage) {
        g.FirstSideWins = 0;
        g.SecondSideWins = 0;
        g.PlaneAllowance = QLatin1Char('0');
    }
    if (g.GameMode == mode::kConvoyStage) {
        g.FlagTransfer = QLatin1Char('N');
        g.FlagTransferSecond = QLatin1Char('N');
        g.PlaneAllowance = QLatin1Char('0');
    }
}

bool GameSetup::LoadMapAndPicture(bool usePresets) {
    Game& g = game_;
    Platform& p = context_.platform;
    const QString& name = context_.settings.MapName;
    QString error;
    if (!LoadMap(*p.files, name, g.MemoPad, &error)) return Fail(error);
    g.HomePosition = g.MemoPad.HomePosition();
    QString shown, reason;
    if (!display_.LoadMapPicture(name, g.MemoPad, &shown, &reason))
        return Fail(PictureFailure(name, shown, reason));
    // Only a user map of a single game places the player's fleet itself.
    if (!IsBuiltInMap(name) && usePresets && g.MemoPad.HasPresetLines())
        g.HasPresets = QLatin1Char('Y');
    return true;
}

bool GameSetup::PickCampaignMap() {
    const int region = game_.CampaignRegion;
    // Outside a region (no campaign menu behind it) the map the settings name is played.
    if (region >= 1 && region <= kRegions) {
        const QStringList& maps = RegionMaps(region);
        const int draw = game_.dice.Next(int(maps.size()));
        if (!context_.guard.Delay(region >= 7 ? 50 : 10)) return false;
        context_.settings.MapName = maps[draw];
    }
    return LoadMapAndPicture(false);
}

bool GameSetup::LoadFleetOfGame() {
    Platform& p = context_.platform;
    QString error;
    const QString file = FleetFileName(game_.GameMode, context_.settings.HomeNavy);
    switch (LoadFleet(*p.files, file, game_.scratchpad, &error)) {
        case FleetLoad::Ok:
            return true;
        case FleetLoad::Missing:
        case FleetLoad::Malformed:
            return Fail(error);
        case FleetLoad::CopyFailed:
            break;
    }
    game_.GameActive = false;
    p.boxes->Show(BoxKind::Error, kShipsFileFailure, BoxButtons::Ok);
    flow->EndProgram();
    return false;
}

void GameSetup::KeepOnlyUnitsOfThisGame() {
    Game& g = game_;
    Settings& s = context_.settings;
    UnitTable& table = g.scratchpad;
    // The radar aircraft flies only against the computer, with reveal on and planes to fly.
    if (g.PlaneAllowance == QLatin1Char('0') || g.NetGame || s.RevealOption == QLatin1Char('N')) {
        const int plane = table.FindSide(1, kFirstSide);
        if (plane >= 0) table.Remove(plane);
    } else {
        LaunchReconPlane(g);
    }
    // The allowance now counts the launch this game has made.
    if (g.PlaneAllowance >= QLatin1Char('1') && g.PlaneAllowance <= QLatin1Char('3'))
        g.PlaneAllowance = QChar(g.PlaneAllowance.unicode() + 1);
    // A single game is played without the sixth submarine.
    if (!g.NetGame && g.GameMode == mode::kSingleGame) {
        const int sub = table.Find(6);
        if (sub >= 0) table.Remove(sub);
    }
}

void GameSetup::FinishSetup() {
    display_.FinishPictures();
    CountShips();
}

void GameSetup::DropPictures() {
    display_.DropPictures();
}

bool GameSetup::LoadNetworkMap(QString* error) {
    Game& g = game_;
    Platform& p = context_.platform;
    QString& name = context_.settings.MapName;
    if (!IsBuiltInMap(name)) name = QStringLiteral("$STANDARD");
    g.MemoPad.Clear();
    if (!LoadMap(*p.files, name, g.MemoPad, error)) return false;
    g.HomePosition = g.MemoPad.HomePosition();
    QString shown, reason;
    if (!display_.LoadMapPicture(name, g.MemoPad, &shown, &reason)) {
        if (error) *error = PictureFailure(name, shown, reason);
        return false;
    }
    return true;
}

void GameSetup::NetworkGameVariables(bool joining) {
    Game& g = game_;
    Settings& s = context_.settings;
    Platform& p = context_.platform;
    if (joining) {
        // The joining program plays the navy the host's navy fights.
        if (kNavyLetters.contains(s.HomeNavy)) s.HomeNavy = OpposingNavy(s.HomeNavy);
    }
    g.GameMode = mode::kSingleGame;
    g.GameActive = true;
    g.GameOver = false;
    g.Gamestage = stage::kOn;
    g.Winner = 0;
    g.NetGame = true;
    g.FlagTransfer = s.FlagTransfer;
    g.FlagTransferSecond = s.FlagTransfer == QLatin1Char('Y') ? QLatin1Char('Y') : QLatin1Char('N');
    g.ETransferred = false;
    g.DTransferred = false;
    g.SupportFire = false;
    g.SweepAllowed = true;
    g.UnitSelected = false;
    g.RepairReady = false;
    g.PlayerTurn = true;
    g.OpponentTurn = false;
    g.SideToMove = kFirstSide;  // the host moves first, on both programs
    p.random->Seed(g.dice);
    g.TurnCount = 0;
    g.battleLog = {};
    g.PlaneAllowance = QLatin1Char('0');  // a network game flies no radar aircraft

    display_.PrepareGamePictures(0, true);
}

bool GameSetup::PlaceNetworkFleets(QString* error) {
    UnitTable& table = game_.scratchpad;
    if (!PlaceFleets(game_, false)) {
        if (error)
            *error = QStringLiteral("The map %1 leaves no room in a home band for every unit.")
                         .arg(ShownMapName(context_.settings.MapName));
        return false;
    }
    const int plane = table.FindSide(1, kFirstSide);
    if (plane >= 0) table.Remove(plane);
    return true;
}

void GameSetup::CountShips() {
    const UnitTable& table = game_.scratchpad;
    game_.FirstSideShips = 0;
    game_.SecondSideShips = 0;
    for (int i = 1; i < table.Count(); ++i) {
        if (!IsShipCode(table.Code(i))) continue;
        if (table.Side(i) == kFirstSide) ++game_.FirstSideShips;
        if (table.Side(i) == kSecondSide) ++game_.SecondSideShips;
    }
}

std::optional<QPoint> CountReconPlaneLaunch(Game& game) {
    game.PlaneLaunches += 1;
    if (game.PlaneAllowance.digitValue() < game.PlaneLaunches) return std::nullopt;
    const UnitTable& table = game.scratchpad;
    const int plane = table.FindSide(kReconPlaneCode, kFirstSide);
    const int carrier =
        table.FindSide(!game.ETransferred ? kFirstCarrierCode : kFirstFlagshipCode, kFirstSide);
    if (plane < 0 || carrier < 0) return std::nullopt;
    return QPoint(table.PosX(carrier), table.PosY(carrier));
}

void LaunchReconPlane(Game& game) {
    if (const std::optional<QPoint> cell = CountReconPlaneLaunch(game))
        game.scratchpad.SetPos(game.scratchpad.FindSide(kReconPlaneCode, kFirstSide), cell->x(),
                               cell->y());
}

}  // namespace kvd
