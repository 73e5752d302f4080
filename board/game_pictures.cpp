#include "board/game_pictures.h"

#include "core/settings.h"
#include <vector>

#include "platform/resources.h"

namespace kvd {

namespace {
// The kinds a side brings: warships always, the carrier except in the convoy stage, which
// brings the convoy instead.
std::vector<UnitKind> KindsOfMode(int gameMode) {
    std::vector<UnitKind> kinds{UnitKind::Supply,       UnitKind::Submarine,    UnitKind::Corvette,
                                UnitKind::Frigate,      UnitKind::Destroyer,    UnitKind::LightCruiser,
                                UnitKind::HeavyCruiser, UnitKind::Battleship};
    if (gameMode == 2)
        kinds.insert(kinds.end(), {UnitKind::Trooper, UnitKind::Merchant1, UnitKind::Merchant2, UnitKind::Oiler});
    else
        kinds.push_back(UnitKind::Carrier);
    return kinds;
}

// The opposing navy's flag drawn onto ships that borrow the player's pictures.
QString OpposingFlag(QChar homeNavy) {
    if (homeNavy == QLatin1Char('D')) return QStringLiteral("EFLAG");
    if (homeNavy == QLatin1Char('U')) return QStringLiteral("JFLAG");
    return QStringLiteral("UFLAG");
}
}  // namespace

void GamePictures::LoadUnitPictures(const Resources& resources, int gameMode, const Settings& settings) {
    LoadSpriteFromRes(resources, QStringLiteral("ENEMYFLAG"), EnemyFlag);
    EnemyFlag.SetTransparent(true);
    LoadSpriteFromRes(resources, QStringLiteral("GREENBOX"), GreenBox);
    GreenBox.SetTransparent(true);

    const std::vector<UnitKind> kinds = KindsOfMode(gameMode);
    for (UnitKind kind : kinds) FirstSet.Load(resources, kind, SpriteName(kind));
    FirstSet.Load(resources, UnitKind::Minefield, SpriteName(UnitKind::Minefield));
    if (gameMode == 0 || gameMode == 3) {
        LoadSpriteFromRes(resources, SpriteName(UnitKind::ReconPlane), Jstars);
        Jstars.SetTransparent(true);
    }

    // The second set is drawn on the board only with the reveal setting on, but a fight shows
    // the opposing unit as it is either way.
    // The Kriegsmarine has pictures of its own; other opponents are drawn with the player's
    // pictures and their ensign in the top-left corner.
    const bool ownPictures = settings.HomeNavy == QLatin1Char('E');
    const QString prefix = ownPictures ? QStringLiteral("D") : QString();
    for (UnitKind kind : kinds) SecondSet.Load(resources, kind, prefix + SpriteName(kind));
    if (!ownPictures && LoadSpriteFromRes(resources, OpposingFlag(settings.HomeNavy), NavyFlag))
        SecondSet.StampFlag(NavyFlag, QRect(0, 0, 70, 40));
}

void GamePictures::SetMap(const Picture& picture) {
    MapImage = picture;
    Background = picture;
}

void GamePictures::Clear() {
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

}  // namespace kvd
