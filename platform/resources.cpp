#include "platform/resources.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <algorithm>

#include "platform/jpeg.h"
#include "platform/picture.h"

namespace kvd {

namespace {

struct KindFolder {
    ResourceKind kind;
    const char* folder;
    const char* pattern;
};

constexpr KindFolder kFolders[] = {
    {ResourceKind::Sprite, "sprites", "*.bmp"},
    {ResourceKind::Picture, "pictures", "*.jpg"},
    {ResourceKind::Sound, "sounds", "*.wav"},
};

}  // namespace

Resources::Resources(const QString& root) {
    // Indexed once: the embedded files never change while the program runs, and a name lookup
    // is then a hash probe instead of a folder scan.
    for (const KindFolder& entry : kFolders) {
        QDirIterator it(root + QLatin1Char('/') + QLatin1String(entry.folder),
                        {QLatin1String(entry.pattern)}, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            index_[int(entry.kind)].insert(QFileInfo(path).completeBaseName().toUpper(), path);
        }
    }
}

bool Resources::Has(ResourceKind kind, const QString& name) const {
    return index_[int(kind)].contains(name.toUpper());
}

QString Resources::Path(ResourceKind kind, const QString& name) const {
    return index_[int(kind)].value(name.toUpper());
}

QByteArray Resources::Data(ResourceKind kind, const QString& name) const {
    const QString path = Path(kind, name);
    if (path.isEmpty()) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QStringList Resources::Names(ResourceKind kind) const {
    QStringList names = index_[int(kind)].keys();
    std::sort(names.begin(), names.end());
    return names;
}

bool LoadJPEGFromRes(const Resources& resources, const QString& name, Picture& picture) {
    const QByteArray data = resources.Data(ResourceKind::Picture, name);
    if (data.isEmpty()) return false;
    QImage image = DecodeJpeg(data);
    if (image.isNull()) return false;
    picture.Assign(std::move(image));
    return true;
}

bool LoadSpriteFromRes(const Resources& resources, const QString& name, Picture& picture) {
    const QString path = resources.Path(ResourceKind::Sprite, name);
    if (path.isEmpty()) return false;
    QImage image;
    if (!image.load(path, "BMP")) return false;
    picture.Assign(std::move(image));
    return true;
}

}  // namespace kvd
