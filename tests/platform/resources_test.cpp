#include "platform/resources.h"

#include <gtest/gtest.h>
#include <QFile>

#include "platform/picture.h"
#include "tests/platform/pixels.h"

namespace kvd {
namespace {

using test::PixelNear;

// TESTSHIP.bmp (40 x 20, 8-bit palette): sea around a grey hull, a dark superstructure and a
// red funnel.
const QColor kSea(0, 128, 128);
const QColor kHull(128, 128, 128);
const QColor kDeck(64, 64, 64);
const QColor kFunnel(200, 0, 0);

QByteArray SourceFile(const QString& relative) {
    QFile file(QStringLiteral(KORVALD_TESTDATA_DIR "/assets/") + relative);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

class ResourcesTest : public ::testing::Test {
  protected:
    Resources resources{QStringLiteral(":/testassets")};
};

TEST_F(ResourcesTest, NamesMatchInAnyLetterCase) {
    struct Case {
        ResourceKind kind;
        const char* file;
        std::vector<QString> names;
    };
    const Case cases[] = {
        {ResourceKind::Sprite, "sprites/TESTSHIP.bmp", {"TESTSHIP", "testship", "TestShip"}},
        {ResourceKind::Picture, "pictures/TESTMAP.jpg", {"TESTMAP", "testmap", "tESTmAP"}},
        {ResourceKind::Sound, "sounds/TESTBEEP.wav", {"TESTBEEP", "testbeep", "TestBeep"}},
    };
    for (const Case& c : cases) {
        const QByteArray expected = SourceFile(QLatin1String(c.file));
        ASSERT_FALSE(expected.isEmpty()) << c.file;
        for (const QString& name : c.names) {
            SCOPED_TRACE(name.toStdString());
            EXPECT_TRUE(resources.Has(c.kind, name));
            EXPECT_EQ(resources.Path(c.kind, name),
                      QStringLiteral(":/testassets/") + QLatin1String(c.file));
            EXPECT_EQ(resources.Data(c.kind, name), expected);
        }
    }
}

TEST_F(ResourcesTest, UnknownNamesAndOtherKindsFindNothing) {
    struct Case {
        ResourceKind kind;
        QString name;
    };
    const Case cases[] = {
        {ResourceKind::Sprite, "NOSUCHSHIP"},   {ResourceKind::Sprite, ""},
        {ResourceKind::Sprite, "TESTSHIP.bmp"},  // names are without the file type
        {ResourceKind::Picture, "TESTSHIP"},     // a sprite, not a picture
        {ResourceKind::Sound, "TESTMAP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_FALSE(resources.Has(c.kind, c.name));
        EXPECT_TRUE(resources.Path(c.kind, c.name).isEmpty());
        EXPECT_TRUE(resources.Data(c.kind, c.name).isEmpty());
    }
}

TEST_F(ResourcesTest, NamesListsEachKindUpperCaseAndSorted) {
    EXPECT_EQ(resources.Names(ResourceKind::Sprite), QStringList{"TESTSHIP"});
    EXPECT_EQ(resources.Names(ResourceKind::Picture), (QStringList{"BROKEN", "TESTMAP"}));
    EXPECT_EQ(resources.Names(ResourceKind::Sound), QStringList{"TESTBEEP"});

    const Resources empty(QStringLiteral(":/no/such/root"));
    EXPECT_TRUE(empty.Names(ResourceKind::Sprite).isEmpty());
    EXPECT_FALSE(empty.Has(ResourceKind::Picture, "TESTMAP"));
}

TEST_F(ResourcesTest, SpriteLoadsWithItsColoursAndKeysOutTheSea) {
    Picture sprite;
    ASSERT_TRUE(LoadSpriteFromRes(resources, "TestShip", sprite));
    EXPECT_EQ(sprite.Width(), 40);
    EXPECT_EQ(sprite.Height(), 20);
    EXPECT_FALSE(sprite.Transparent());
    EXPECT_TRUE(PixelNear(sprite.Image(), 0, 19, kSea));
    EXPECT_TRUE(PixelNear(sprite.Image(), 20, 12, kHull));
    EXPECT_TRUE(PixelNear(sprite.Image(), 20, 7, kDeck));
    EXPECT_TRUE(PixelNear(sprite.Image(), 20, 2, kFunnel));

    // As the board draws it: transparent, stretched to twice the size onto a white cell.
    sprite.SetTransparent(true);
    QImage cell(80, 40, QImage::Format_RGB32);
    cell.fill(Qt::white);
    sprite.StretchDraw(cell, cell.rect());
    EXPECT_TRUE(PixelNear(cell, 4, 4, Qt::white));
    EXPECT_TRUE(PixelNear(cell, 76, 36, Qt::white));
    EXPECT_TRUE(PixelNear(cell, 4, 36, Qt::white));
    EXPECT_TRUE(PixelNear(cell, 40, 24, kHull, 2));
    EXPECT_TRUE(PixelNear(cell, 40, 14, kDeck, 2));
    EXPECT_TRUE(PixelNear(cell, 42, 5, kFunnel, 2));
}

TEST_F(ResourcesTest, JpegPictureLoadsByName) {
    Picture map;
    ASSERT_TRUE(LoadJPEGFromRes(resources, "testmap", map));
    EXPECT_EQ(map.Width(), 62);
    EXPECT_EQ(map.Height(), 46);
    EXPECT_TRUE(PixelNear(map.Image(), 5, 5, Qt::red, 12));
    EXPECT_TRUE(PixelNear(map.Image(), 56, 40, Qt::white, 12));
}

TEST_F(ResourcesTest, FailedLoadsLeaveThePictureAsItWas) {
    Picture picture;
    picture.Create(3, 3, Qt::magenta);
    const QImage before = picture.Image();

    EXPECT_FALSE(LoadJPEGFromRes(resources, "NOSUCHMAP", picture));
    EXPECT_FALSE(LoadJPEGFromRes(resources, "BROKEN", picture));
    EXPECT_FALSE(LoadJPEGFromRes(resources, "TESTSHIP", picture));
    EXPECT_FALSE(LoadSpriteFromRes(resources, "NOSUCHSHIP", picture));
    EXPECT_FALSE(LoadSpriteFromRes(resources, "TESTMAP", picture));
    EXPECT_EQ(picture.Image(), before);
}

}  // namespace
}  // namespace kvd
