#include "board/game_pictures.h"

#include <vector>
#include "core/settings.h"

#include "platform/resources.h"

namespace kvd {

namespace {
// The kinds a side brings: warships always, the carrier except in the convoy stage, which
// brings the convoy instead.
std::vector<UnitKind> KindsOfMode(int gameMode) {
    std::vector<UnitKind> kinds{UnitKind::Supply,       UnitKind::Submarine, UnitKind::Corvette,
                                UnitKind::Frigate,      UnitKind::Destroyer, UnitKind::LightCruiser,
                                UnitKind::HeavyCruiser, UnitKind::Battleship};
    if (gameMode == 2)
        kinds.insert(kinds.end(), {UnitKind::Trooper, UnitKind::Merchant1, UnitKind::Merchant2,
                                   UnitKind::Oiler});
    else
        kinds.push_back(UnitKind::Carrier);
    return kinds;
}

// Against the Royal Navy the Kriegsmarine has pictures of its own; other opponents borrow the
// player's.
bool HasOwnPictures(QChar homeNavy) {
    return homeNavy == QLatin1Char('E');
}

// The opposing navy's flag, drawn onto every identified opponent's picture.
QString OpposingFlag(QChar homeNavy) {
    if (homeNavy == QLatin1Char('E')) return QStringLiteral("DFLAG");
    if (homeNavy == QLatin1Char('D')) return QStringLiteral("EFLAG");
    if (homeNavy == QLatin1Char('U')) return QStringLiteral("JFLAG");
    return QStringLiteral("UFLAG");
}
}  // namespace

void GamePictures::LoadUnitPictures(const Resources& resources, int gameMode,
                                    const Settings& settings) {
    LoadSpriteFromRes(resources, QStringLiteral("ENEMYFLAG"), EnemyFlag);
    EnemyFlag.SetTransparent(true);

    const std::vector<UnitKind> kinds = KindsOfMode(gameMode);
    for (UnitKind kind : kinds) FirstSet.Load(resources, kind, SpriteName(kind));
    FirstSet.Load(resources, UnitKind::Minefield, SpriteName(UnitKind::Minefield));
    if (gameMode == 0 || gameMode == 3) {
        LoadSpriteFromRes(resources, SpriteName(UnitKind::ReconPlane), Jstars);
        Jstars.SetTransparent(true);
    }

    // The second set is drawn on the board only with the reveal setting on, but a fight shows
    // the opposing unit as it is either way. Enemies face the other way and fly their flag, so
    // that a player tells them from his own ships at a glance.
    LoadSpriteFromRes(resources, OpposingFlag(settings.HomeNavy), NavyFlag);
    for (UnitKind kind : kinds) LoadOpposing(resources, settings.HomeNavy, kind, SpriteName(kind));
}

bool GamePictures::LoadOpposing(const Resources& resources, QChar homeNavy, UnitKind slot,
                                const QString& name) {
    const bool own = HasOwnPictures(homeNavy);
    if (!SecondSet.Load(resources, slot, own ? QStringLiteral("D") + name : name)) return false;
    Picture* picture = SecondSet.Find(slot);
    // The Kriegsmarine's pictures are drawn facing left; borrowed ones are turned here, before
    // the flag goes on, so that it sits in the top-left corner the right way round.
    if (!own) {
        picture->Mirror();
        // And in a warmer, darker tone than the player's own, as the Kriegsmarine's are.
        picture->Tint(kEnemyTone, kEnemyTint);
    }
    if (!NavyFlag.IsNull()) picture->CopyRect(kFlagCorner, NavyFlag, kFlagCorner);
    return true;
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
    NavyFlag.Clear();
    Jstars.Clear();
    FirstSet.Clear();
    SecondSet.Clear();
}

}  // namespace kvd
