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

bool DrawnWithoutPicture(int code, SpriteBoard board) {
    return code == 3 || (board == SpriteBoard::JoiningOwn && code >= 30 && code <= 32);
}

const Picture* SpriteForCode(const PictureSet& set, int code, SpriteBoard board) {
    return DrawnWithoutPicture(code, board) ? nullptr : set.Find(KindOfCode(code));
}

}  // namespace kvd
