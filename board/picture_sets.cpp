#include "board/picture_sets.h"

#include "platform/resources.h"

namespace kvd {

bool PictureSet::Load(const Resources& resources, UnitKind kind, const QString& name) {
    Picture picture;
    if (!LoadSpriteFromRes(resources, name, picture)) return false;
    picture.SetTransparent(true);
    pictures_[kind] = std::move(picture);
    return true;
}

const Picture* PictureSet::Find(UnitKind kind) const {
    const auto it = pictures_.find(kind);
    return it == pictures_.end() ? nullptr : &it->second;
}

Picture* PictureSet::Find(UnitKind kind) {
    const auto it = pictures_.find(kind);
    return it == pictures_.end() ? nullptr : &it->second;
}

const Picture* SpriteForCode(const PictureSet& set, int code) {
    if (code == 3) return nullptr;  // the first submarine slot has no picture on the board
    return set.Find(KindOfCode(code));
}

const Picture* JoiningOwnSprite(const PictureSet& set, int code) {
    // The joining player's last three submarines (codes 30 to 32) have no picture on its board,
    // as the fleets have always been shown.
    if (code >= 30 && code <= 32) return nullptr;
    return set.Find(KindOfCode(code));
}

}  // namespace kvd
