#include <gtest/gtest.h>
#include <QColor>
#include <QImage>

#include <cstdlib>
#include <vector>

#include "board/game_pictures.h"
#include "board/repair_view.h"
#include "core/settings.h"
#include "core/unit_codes.h"
#include "platform/resources.h"

// An identified enemy must plainly look like an enemy for every pair of navies: it faces the
// other way, flies its navy's flag in the top-left corner and, against the Kriegsmarine, is
// drawn in the enemy's own tone.

namespace {

using kvd::Picture;
using kvd::UnitKind;

struct Navy {
    char home;
    const char* flag;  // the opponent's flag
    bool ownSet;       // the opponent has pictures of its own (the "D" set)
};
const Navy kNavies[] = {
    {'E', "DFLAG", true}, {'D', "EFLAG", false}, {'U', "JFLAG", false}, {'J', "UFLAG", false}};

// Every kind the second set holds in some mode: warships, the carrier, and the convoy.
const UnitKind kKinds[] = {UnitKind::Supply,       UnitKind::Submarine,  UnitKind::Corvette,
                           UnitKind::Frigate,      UnitKind::Destroyer,  UnitKind::LightCruiser,
                           UnitKind::HeavyCruiser, UnitKind::Battleship, UnitKind::Carrier,
                           UnitKind::Trooper,      UnitKind::Merchant1,  UnitKind::Merchant2,
                           UnitKind::Oiler};

const QColor kDarkSea(20, 40, 90);
const QColor kLightSea(120, 180, 220);

Picture Sprite(const kvd::Resources& resources, const QString& name, bool transparent) {
    Picture picture;
    EXPECT_TRUE(kvd::LoadSpriteFromRes(resources, name, picture)) << name.toStdString();
    picture.SetTransparent(transparent);
    return picture;
}

// Both sets as a game of this mode loads them, for a home navy.
kvd::GamePictures Loaded(const kvd::Resources& resources, int mode, char home) {
    kvd::Settings settings;
    settings.HomeNavy = QLatin1Char(home);
    kvd::GamePictures pictures;
    pictures.LoadUnitPictures(resources, mode, settings);
    return pictures;
}

const Picture* InSet(const kvd::PictureSet& set, UnitKind kind) {
    const Picture* picture = set.Find(kind);
    EXPECT_NE(picture, nullptr);
    return picture;
}

// A picture stretched into a board cell of a 1024 x 768 screen over the sea.
QImage InCell(const Picture& picture, const QColor& sea) {
    QImage cell(102, 61, QImage::Format_RGB32);
    cell.fill(sea);
    picture.StretchDraw(cell, cell.rect());
    return cell;
}

int Distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// Of the cell's pixels where either picture shows something, the share that differs clearly.
double ClearlyDifferent(const QImage& a, const QImage& b, const QColor& sea) {
    int shown = 0, different = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y), pb = b.pixel(x, y);
            if (Distance(pa, sea.rgb()) < 30 && Distance(pb, sea.rgb()) < 30) continue;
            ++shown;
            different += Distance(pa, pb) > 90;
        }
    }
    return shown ? double(different) / shown : 0.0;
}

// The mean colour of a ship: over its drawn pixels outside the flag corner.
QColor MeanColour(const Picture& picture) {
    const QImage& image = picture.Image();
    double red = 0, green = 0, blue = 0;
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0 || kvd::kFlagCorner.contains(x, y)) continue;
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            ++drawn;
        }
    }
    if (!drawn) return QColor();
    return QColor(int(red / drawn), int(green / drawn), int(blue / drawn));
}

// Whether the picture's flag corner holds the flag's pixels.
::testing::AssertionResult CarriesFlag(const Picture& picture, const Picture& flag) {
    for (int y = 0; y < kvd::kFlagCorner.height(); ++y)
        for (int x = 0; x < kvd::kFlagCorner.width(); ++x)
            if (picture.Image().pixel(x, y) != flag.Image().pixel(x, y))
                return ::testing::AssertionFailure()
                       << "(" << x << ", " << y << ") is not the flag's";
    return ::testing::AssertionSuccess();
}

// Whether `picture` is `source`, turned left to right when `turned`, outside the flag corner.
::testing::AssertionResult SourceOutsideTheFlag(const Picture& picture, const Picture& source,
                                                bool turned) {
    const QImage& a = picture.Image();
    const QImage& b = source.Image();
    if (a.size() != b.size()) return ::testing::AssertionFailure() << "another size";
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (kvd::kFlagCorner.contains(x, y)) continue;
            if (a.pixel(x, y) != b.pixel(turned ? a.width() - 1 - x : x, y))
                return ::testing::AssertionFailure()
                       << "(" << x << ", " << y << ") is not the source's pixel";
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(EnemyPictures, TurnedWithTheFlagAndPlainlyUnlikeTheOwnShip) {
    const kvd::Resources resources;
    for (const Navy& navy : kNavies) {
        const Picture flag = Sprite(resources, navy.flag, false);
        // The convoy kinds come with the convoy stage, the carrier with the other modes.
        for (int mode : {0, 2}) {
            const kvd::GamePictures pictures = Loaded(resources, mode, navy.home);
            for (UnitKind kind : kKinds) {
                const bool convoy = kind == UnitKind::Trooper || kind == UnitKind::Merchant1 ||
                                    kind == UnitKind::Merchant2 || kind == UnitKind::Oiler;
                const bool inMode = convoy ? mode == 2 : kind != UnitKind::Carrier || mode != 2;
                if (!inMode) continue;
                const QString name = kvd::SpriteName(kind);
                SCOPED_TRACE(std::string(1, navy.home) + " " + name.toStdString());
                const Picture* enemy = InSet(pictures.SecondSet, kind);
                const Picture* own = InSet(pictures.FirstSet, kind);
                if (!enemy || !own) continue;

                EXPECT_TRUE(CarriesFlag(*enemy, flag));
                Picture source = Sprite(resources, navy.ownSet ? "D" + name : name, true);
                if (!navy.ownSet) source.Tint(kvd::kEnemyTone, kvd::kEnemyTint);
                // The Kriegsmarine's pictures are stored facing left and drawn as they are;
                // borrowed ones are turned.
                EXPECT_TRUE(SourceOutsideTheFlag(*enemy, source, !navy.ownSet));
                // Enemies are in a tone of their own, apart from the player's: the Kriegsmarine's
                // drawn so, borrowed pictures tinted.
                const QColor a = MeanColour(*enemy), b = MeanColour(*own);
                EXPECT_GT(Distance(a.rgb(), b.rgb()), navy.ownSet ? 50 : 30)
                    << a.name().toStdString() << " against " << b.name().toStdString();
                // In a cell, on the open sea and in the shallows, much of what is drawn differs
                // (the long, nearly even carrier and trooper least, by a third).
                for (const QColor& sea : {kDarkSea, kLightSea})
                    EXPECT_GT(ClearlyDifferent(InCell(*enemy, sea), InCell(*own, sea), sea), 0.25)
                        << "on the sea " << sea.name().toStdString();
            }
        }
    }
}

// The carrier that takes over the flag is drawn the way its side is: as an own ship, or as an
// enemy, turned and with its flag. The joining board plays the second side, so there the host's
// carrier is the enemy and the joining player's own carrier is an own ship.
TEST(EnemyPictures, TheCarrierThatTakesTheFlagIsDrawnAsItsSide) {
    const kvd::Resources resources;
    for (const Navy& navy : kNavies) {
        SCOPED_TRACE(navy.home);
        const Picture flag = Sprite(resources, navy.flag, false);
        const Picture ownCarrier = Sprite(resources, "CARRIER", true);
        kvd::GamePictures loaded = Loaded(resources, 0, navy.home);
        const Picture enemyCarrier = *InSet(loaded.SecondSet, UnitKind::Carrier);
        for (bool joiningBoard : {false, true}) {
            for (bool firstSide : {true, false}) {
                SCOPED_TRACE(std::string(joiningBoard ? "joining board, " : "") +
                             (firstSide ? "first side" : "second side"));
                kvd::GamePictures pictures = Loaded(resources, 0, navy.home);
                const Picture ownBattleship = *InSet(pictures.FirstSet, UnitKind::Battleship);
                const Picture enemyBattleship = *InSet(pictures.SecondSet, UnitKind::Battleship);
                kvd::CarrierTakesTheFlag(pictures, resources, QLatin1Char(navy.home), firstSide,
                                         joiningBoard);
                const Picture* own = InSet(pictures.FirstSet, UnitKind::Battleship);
                const Picture* enemy = InSet(pictures.SecondSet, UnitKind::Battleship);
                ASSERT_TRUE(own && enemy);
                if (firstSide != joiningBoard) {
                    EXPECT_EQ(own->Image(), ownCarrier.Image());
                    EXPECT_EQ(enemy->Image(), enemyBattleship.Image());
                } else {
                    EXPECT_EQ(enemy->Image(), enemyCarrier.Image());
                    EXPECT_TRUE(CarriesFlag(*enemy, flag));
                    EXPECT_EQ(own->Image(), ownBattleship.Image());
                }
            }
        }
    }
}
