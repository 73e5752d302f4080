#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace kvd {

class Picture;

enum class ResourceKind { Sprite, Picture, Sound };

// The built-in pictures and sounds, found by name without regard to case ("DBattleShip",
// "click"). They are embedded under one root: sprites/NAME.bmp, pictures/NAME.jpg,
// sounds/NAME.wav. The program's root is ":/assets"; tests embed their own.
class Resources {
  public:
    explicit Resources(const QString& root = QStringLiteral(":/assets"));

    bool Has(ResourceKind kind, const QString& name) const;
    // The embedded path of a resource, or an empty text when there is none.
    QString Path(ResourceKind kind, const QString& name) const;
    // The bytes of a resource; empty when there is none.
    QByteArray Data(ResourceKind kind, const QString& name) const;
    // The stored names of a kind, upper case, sorted.
    QStringList Names(ResourceKind kind) const;

  private:
    QHash<QString, QString> index_[3];  // upper-case name -> path, per kind
};

// Decodes the built-in JPEG picture `name` into picture. False, with picture left unchanged,
// when there is no such picture or it does not decode.
bool LoadJPEGFromRes(const Resources& resources, const QString& name, Picture& picture);

// Loads the built-in sprite `name` into picture (opaque; the caller switches transparency on).
bool LoadSpriteFromRes(const Resources& resources, const QString& name, Picture& picture);

}  // namespace kvd
