#include <gtest/gtest.h>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "platform/picture.h"
#include "platform/resources.h"

// The built-in sprites as the board and panels use them: each is embedded, stored in the size
// and depth the drawing code stretches from, and the transparent ones have a real keyed
// background around real content.

namespace {

using kvd::ResourceKind;

// The ship kinds; each has a first-set picture NAME and a second-set picture "D" + NAME.
const char* const kShipKinds[] = {
    "AUX",        "SUB",     "CORVETTE", "FRIGATE",   "DESTROYER", "LTCRUISER", "CRUISER",
    "BATTLESHIP", "CARRIER", "TROOPER",  "MERCHANT1", "MERCHANT2", "OILER",
};

enum class Use {
    Unit,    // a picture in a board cell, keyed, ship or minefield
    Marker,  // a frame over a cell: keyed, with a keyed centre
    Keyed,   // another keyed picture (contact marker, aircraft)
    Opaque,  // drawn as it is
};

struct SpriteFormat {
    QString name;
    int width;
    int height;
    int bits;
    Use use;
};

std::vector<SpriteFormat> AllSprites() {
    std::vector<SpriteFormat> sprites;
    for (const char* kind : kShipKinds) {
        sprites.push_back({QString::fromLatin1(kind), 291, 118, 8, Use::Unit});
        sprites.push_back({QLatin1Char('D') + QString::fromLatin1(kind), 291, 118, 8, Use::Unit});
    }
    sprites.push_back({"MINES", 291, 118, 8, Use::Unit});
    sprites.push_back({"GREENBOX", 291, 118, 24, Use::Marker});
    sprites.push_back({"HAMMERBOX", 291, 118, 24, Use::Marker});
    sprites.push_back({"ENEMYFLAG", 204, 122, 8, Use::Keyed});
    sprites.push_back({"JSTARS", 204, 64, 24, Use::Keyed});
    sprites.push_back({"EFLAG", 70, 50, 24, Use::Opaque});
    sprites.push_back({"JFLAG", 70, 50, 24, Use::Opaque});
    sprites.push_back({"UFLAG", 70, 50, 24, Use::Opaque});
    sprites.push_back({"DFLAG", 70, 50, 24, Use::Opaque});
    sprites.push_back({"HAMMER", 30, 12, 24, Use::Opaque});
    sprites.push_back({"RADAR", 80, 80, 24, Use::Opaque});
    sprites.push_back({"RADARSCREEN", 87, 85, 24, Use::Opaque});
    for (const char* face : {"LEFT", "RIGHT", "UP", "DOWN", "ALL"})
        sprites.push_back({QString::fromLatin1(face), 64, 48, 24, Use::Opaque});
    sprites.push_back({"LANDMARK", 87, 35, 24, Use::Keyed});
    return sprites;
}

// The picture with its key turned into transparency, as the board draws it.
QImage Keyed(const QString& name) {
    kvd::Picture picture;
    if (!kvd::LoadSpriteFromRes(kvd::Resources(), name, picture)) return {};
    picture.SetTransparent(true);
    return picture.Image().convertToFormat(QImage::Format_ARGB32);
}

// The picture as stored, key colour intact.
QImage Stored(const QString& name) {
    kvd::Picture picture;
    if (!kvd::LoadSpriteFromRes(kvd::Resources(), name, picture)) return {};
    return picture.Image().convertToFormat(QImage::Format_RGB32);
}

// Drawn in the menu text colour, as the editor's arrows are.
bool IsArrow(const QImage& stored, int x, int y) {
    const QRgb pixel = stored.pixel(x, y);
    return std::abs(qRed(pixel) - 209) + std::abs(qGreen(pixel) - 191) +
               std::abs(qBlue(pixel) - 165) <
           30;
}

bool IsKeyed(const QImage& keyed, int x, int y) {
    return qAlpha(keyed.pixel(x, y)) == 0;
}

double KeyedShare(const QImage& keyed, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += IsKeyed(keyed, x, y);
    return double(count) / (area.width() * area.height());
}

// Which pixels are picture rather than background, row by row.
std::vector<bool> Silhouette(const QImage& keyed) {
    std::vector<bool> mask;
    mask.reserve(size_t(keyed.width()) * keyed.height());
    for (int y = 0; y < keyed.height(); ++y)
        for (int x = 0; x < keyed.width(); ++x) mask.push_back(!IsKeyed(keyed, x, y));
    return mask;
}

// The longest unbroken run of picture pixels along row y.
int LongestRun(const QImage& keyed, int y) {
    int best = 0, run = 0;
    for (int x = 0; x < keyed.width(); ++x) {
        run = IsKeyed(keyed, x, y) ? 0 : run + 1;
        best = std::max(best, run);
    }
    return best;
}

// The bottom of a ship's hull: the lowest row at least half as wide as the widest one (the
// bow wave and wake under it are shorter).
int HullBottom(const QImage& keyed) {
    int widest = 0;
    for (int y = 0; y < keyed.height(); ++y) widest = std::max(widest, LongestRun(keyed, y));
    for (int y = keyed.height() - 1; y >= 0; --y)
        if (widest > 0 && 2 * LongestRun(keyed, y) >= widest) return y;
    return -1;
}

// The hull's length near the waterline: its widest row a little above the hull's bottom, clear
// of the bow wave and the wake, and below the guns and boats.
int HullLength(const QImage& keyed) {
    const int bottom = HullBottom(keyed);
    int length = 0;
    for (int y = bottom - 12; y <= bottom - 5; ++y) length = std::max(length, LongestRun(keyed, y));
    return length;
}

// The box around everything drawn.
QRect ContentBox(const QImage& keyed) {
    QRect box;
    for (int y = 0; y < keyed.height(); ++y)
        for (int x = 0; x < keyed.width(); ++x)
            if (!IsKeyed(keyed, x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

// The dark blue of the open sea on the charts.
const QRgb kDarkSea = qRgb(20, 40, 90);

// The share of the drawn pixels at least `margin` grey levels lighter than the dark sea.
double ShareLighterThanSea(const QImage& keyed, int margin) {
    int drawn = 0, lighter = 0;
    for (int y = 0; y < keyed.height(); ++y) {
        for (int x = 0; x < keyed.width(); ++x) {
            if (IsKeyed(keyed, x, y)) continue;
            ++drawn;
            lighter += qGray(keyed.pixel(x, y)) - qGray(kDarkSea) >= margin;
        }
    }
    return drawn ? double(lighter) / drawn : 0.0;
}

}  // namespace

TEST(Sprites, EveryNameIsEmbeddedInItsStoredSizeAndDepth) {
    const kvd::Resources resources;
    for (const SpriteFormat& sprite : AllSprites()) {
        SCOPED_TRACE(sprite.name.toStdString());
        const QByteArray data = resources.Data(ResourceKind::Sprite, sprite.name);
        ASSERT_GE(data.size(), 54) << "missing or shorter than the BMP headers";
        const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
        EXPECT_EQ(data.left(2), QByteArray("BM"));
        EXPECT_EQ(qFromLittleEndian<qint32>(bytes + 18), sprite.width);
        EXPECT_EQ(qFromLittleEndian<qint32>(bytes + 22), sprite.height);
        EXPECT_EQ(qFromLittleEndian<quint16>(bytes + 28), sprite.bits);

        kvd::Picture picture;
        ASSERT_TRUE(kvd::LoadSpriteFromRes(resources, sprite.name, picture));
        EXPECT_EQ(picture.Width(), sprite.width);
        EXPECT_EQ(picture.Height(), sprite.height);
    }
}

TEST(Sprites, NamesResolveInAnyLetterCase) {
    const kvd::Resources resources;
    for (const char* name :
         {"DBattleShip", "greenbox", "Jstars", "eFlag", "RadarScreen", "merchant2", "dSub"}) {
        SCOPED_TRACE(name);
        const QString upper = QString::fromLatin1(name).toUpper();
        ASSERT_TRUE(resources.Has(ResourceKind::Sprite, name));
        EXPECT_EQ(resources.Data(ResourceKind::Sprite, name),
                  resources.Data(ResourceKind::Sprite, upper));
        kvd::Picture picture;
        EXPECT_TRUE(kvd::LoadSpriteFromRes(resources, name, picture));
    }
}

// The key must be a real background around real content, and nothing the board draws may be
// half-transparent or tinted toward the key: the key is matched exactly, so a blended edge
// would show as a magenta fringe over the sea.
TEST(Sprites, TransparentSpritesHaveAKeyedBackgroundAndSolidContent) {
    for (const SpriteFormat& sprite : AllSprites()) {
        if (sprite.use == Use::Opaque) continue;
        SCOPED_TRACE(sprite.name.toStdString());
        const QImage keyed = Keyed(sprite.name);
        ASSERT_FALSE(keyed.isNull());
        const int w = keyed.width(), h = keyed.height();
        const double share = KeyedShare(keyed, keyed.rect());
        if (sprite.use == Use::Marker) {
            // A frame: the ship in the cell must stay visible through it.
            EXPECT_GT(share, 0.5);
            EXPECT_LT(share, 0.97);
            EXPECT_TRUE(IsKeyed(keyed, w / 2, h / 2));
            EXPECT_FALSE(IsKeyed(keyed, 4, h / 2)) << "no frame at the left edge";
            EXPECT_FALSE(IsKeyed(keyed, w / 2, 2)) << "no frame at the top edge";
        } else {
            EXPECT_GT(share, 0.15);
            EXPECT_LT(share, 0.90);
        }
        if (sprite.use == Use::Unit) {
            for (const QPoint corner :
                 {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
                EXPECT_TRUE(IsKeyed(keyed, corner.x(), corner.y()))
                    << "corner " << corner.x() << ", " << corner.y();
            }
        }

        int partial = 0, tinted = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const QRgb pixel = keyed.pixel(x, y);
                if (qAlpha(pixel) == 0) continue;
                if (qAlpha(pixel) != 255) ++partial;
                const int g = qGreen(pixel);
                if (qRed(pixel) - g > 60 && qBlue(pixel) - g > 60) ++tinted;
            }
        }
        EXPECT_EQ(partial, 0) << "half-transparent pixels";
        EXPECT_EQ(tinted, 0) << "pixels tinted toward the magenta key";
    }
}

// An enemy's flag is stamped over the top-left 70 x 40 of its picture: of the second set as it
// is, of the first set once the game has turned it to face left (so over its top-right corner).
// Nothing of the ship may be hidden under it.
TEST(Sprites, BothSetsLeaveTheEnsignCornerClear) {
    for (const char* kind : kShipKinds) {
        for (const QString& prefix : {QString(), QStringLiteral("D")}) {
            const QString name = prefix + QString::fromLatin1(kind);
            SCOPED_TRACE(name.toStdString());
            const QImage keyed = Keyed(name);
            ASSERT_FALSE(keyed.isNull());
            const QRect corner =
                prefix.isEmpty() ? QRect(keyed.width() - 70, 0, 70, 40) : QRect(0, 0, 70, 40);
            EXPECT_GT(KeyedShare(keyed, corner), 0.95);
        }
    }
}

// The two sets must be told apart at a glance: most of what either picture shows differs
// clearly (in outline or in colour) from the other one.
TEST(Sprites, SecondSetLooksClearlyDifferentFromTheFirst) {
    for (const char* kind : kShipKinds) {
        const QString first = QString::fromLatin1(kind);
        const QString second = QLatin1Char('D') + first;
        SCOPED_TRACE(second.toStdString());
        const QImage a = Keyed(first), b = Keyed(second);
        const QImage storedA = Stored(first), storedB = Stored(second);
        ASSERT_FALSE(a.isNull());
        ASSERT_FALSE(b.isNull());
        ASSERT_EQ(a.size(), b.size());
        int shown = 0, different = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const bool inA = !IsKeyed(a, x, y), inB = !IsKeyed(b, x, y);
                if (!inA && !inB) continue;
                ++shown;
                if (inA != inB) {
                    ++different;
                    continue;
                }
                const QRgb pa = storedA.pixel(x, y), pb = storedB.pixel(x, y);
                const int distance = std::abs(qRed(pa) - qRed(pb)) +
                                     std::abs(qGreen(pa) - qGreen(pb)) +
                                     std::abs(qBlue(pa) - qBlue(pb));
                if (distance > 60) ++different;
            }
        }
        ASSERT_GT(shown, 0);
        EXPECT_GT(double(different) / shown, 0.5);
        EXPECT_GT(double(different) / (a.width() * a.height()), 0.08);
    }
}

// Within one set every kind has its own outline: no two kinds share most of their shape.
TEST(Sprites, EveryKindHasItsOwnSilhouette) {
    for (const QString& prefix : {QString(), QStringLiteral("D")}) {
        std::vector<QString> names;
        for (const char* kind : kShipKinds) names.push_back(prefix + QString::fromLatin1(kind));
        if (prefix.isEmpty()) names.push_back(QStringLiteral("MINES"));
        std::vector<std::vector<bool>> masks;
        for (const QString& name : names) {
            const QImage keyed = Keyed(name);
            ASSERT_FALSE(keyed.isNull()) << name.toStdString();
            masks.push_back(Silhouette(keyed));
        }
        for (size_t i = 0; i < names.size(); ++i) {
            for (size_t j = i + 1; j < names.size(); ++j) {
                SCOPED_TRACE((names[i] + QStringLiteral(" / ") + names[j]).toStdString());
                int either = 0, one = 0;
                for (size_t p = 0; p < masks[i].size(); ++p) {
                    either += masks[i][p] || masks[j][p];
                    one += masks[i][p] != masks[j][p];
                }
                EXPECT_GT(double(one) / either, 0.15);
            }
        }
    }
}

// On the board a class is told first by its length: from the corvette up to the battleship
// each hull is clearly longer than the one before, in both sets, and a class is about as long
// whichever navy it sails for.
TEST(Sprites, WarshipHullsGrowClearlyLongerWithTheirClass) {
    const char* const bySize[] = {"CORVETTE",  "FRIGATE", "DESTROYER",
                                  "LTCRUISER", "CRUISER", "BATTLESHIP"};
    const int kClearlyLonger = 20;  // about 7 pixels in a cell of a 1024 x 768 board
    std::vector<int> first;
    for (const QString& prefix : {QString(), QStringLiteral("D")}) {
        int previous = 0;
        QString previousName;
        for (size_t i = 0; i < std::size(bySize); ++i) {
            const QString name = prefix + QString::fromLatin1(bySize[i]);
            SCOPED_TRACE(name.toStdString());
            const QImage keyed = Keyed(name);
            ASSERT_FALSE(keyed.isNull());
            const int length = HullLength(keyed);
            if (previous) {
                EXPECT_GE(length, previous + kClearlyLonger)
                    << "hardly longer than " << previousName.toStdString() << " (" << previous
                    << " against " << length << ")";
            }
            if (prefix.isEmpty())
                first.push_back(length);
            else
                EXPECT_NEAR(length, first[i], 12) << "not as long as in the first set";
            previous = length;
            previousName = name;
        }
    }
}

// A unit sits in the middle of its cell, and every ship floats on the same line, so that a
// fleet spread over the board lines up.
TEST(Sprites, UnitsSitCentredOnACommonWaterline) {
    int waterline = -1;
    for (const SpriteFormat& sprite : AllSprites()) {
        if (sprite.use != Use::Unit) continue;
        SCOPED_TRACE(sprite.name.toStdString());
        const QImage keyed = Keyed(sprite.name);
        ASSERT_FALSE(keyed.isNull());
        // Twice the centre against twice the middle: within 2 pixels across, and within 10 down,
        // where a battleship's masts reach higher than a submarine's periscopes.
        const QRect box = ContentBox(keyed);
        EXPECT_NEAR(box.left() + box.right(), keyed.width() - 1, 4) << "off centre across";
        EXPECT_NEAR(box.top() + box.bottom(), keyed.height() - 1, 20) << "off centre down";
        if (sprite.name == QLatin1String("MINES")) continue;
        const int bottom = HullBottom(keyed);
        if (waterline < 0) waterline = bottom;
        EXPECT_EQ(bottom, waterline) << "floats at another height";
    }
}

// The second set's grey and both submarines must not sink into a dark sea: most of each
// picture is well lighter than it, and a submarine keeps a conning tower standing clear of its
// hull.
TEST(Sprites, SecondSetAndSubmarinesStandOutOnADarkSea) {
    std::vector<QString> names = {QStringLiteral("SUB")};
    for (const char* kind : kShipKinds)
        names.push_back(QLatin1Char('D') + QString::fromLatin1(kind));
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage keyed = Keyed(name);
        ASSERT_FALSE(keyed.isNull());
        EXPECT_GT(ShareLighterThanSea(keyed, 40), 0.8);
        if (!name.endsWith(QLatin1String("SUB"))) continue;
        // Heights of the drawn columns standing on the hull's bottom row.
        const int bottom = HullBottom(keyed);
        int columns = 0, hullAbove = 0, tower = 0;
        for (int x = 0; x < keyed.width(); ++x) {
            if (IsKeyed(keyed, x, bottom)) continue;
            int height = 0;
            while (bottom - height >= 0 && !IsKeyed(keyed, x, bottom - height)) ++height;
            ++columns;
            hullAbove += height >= 12;
            tower += height >= 30;
        }
        ASSERT_GT(columns, 0);
        EXPECT_GT(double(hullAbove) / columns, 0.8) << "the hull lies too low in the water";
        EXPECT_GT(double(tower) / columns, 0.1) << "no conning tower to speak of";
    }
}

// The marker of an unidentified contact is stretched over a whole cell: it is stored at least
// as large as a cell of a 1024 x 768 board, so it is only ever shrunk, in a few flat colours,
// centred, and mostly far lighter than the sea.
TEST(Sprites, ContactMarkerIsACrispCentredSymbol) {
    const QImage keyed = Keyed("ENEMYFLAG");
    const QImage stored = Stored("ENEMYFLAG");
    ASSERT_FALSE(keyed.isNull());
    EXPECT_GE(keyed.width(), 102);
    EXPECT_GE(keyed.height(), 61);
    std::vector<QRgb> colours;
    for (int y = 0; y < keyed.height(); ++y) {
        for (int x = 0; x < keyed.width(); ++x) {
            if (IsKeyed(keyed, x, y)) continue;
            const QRgb pixel = stored.pixel(x, y) & 0xFFFFFF;
            if (std::find(colours.begin(), colours.end(), pixel) == colours.end())
                colours.push_back(pixel);
        }
    }
    EXPECT_LE(colours.size(), 6u) << "soft edges blend colours";
    const QRect box = ContentBox(keyed);
    EXPECT_NEAR(box.left() + box.right(), keyed.width() - 1, 4);
    EXPECT_NEAR(box.top() + box.bottom(), keyed.height() - 1, 4);
    EXPECT_GT(box.width(), keyed.width() * 6 / 10);
    EXPECT_GT(box.height(), keyed.height() * 85 / 100);
    EXPECT_GT(ShareLighterThanSea(keyed, 40), 0.5);
}

// The sweep is rotated about the picture's centre, so it must start pointing straight up and
// leave the corners black.
TEST(Sprites, RadarBeamPointsUpFromTheCentre) {
    const QImage beam = Stored("RADAR");
    ASSERT_EQ(beam.size(), QSize(80, 80));
    for (const QPoint corner : {QPoint(0, 0), QPoint(79, 0), QPoint(0, 79), QPoint(79, 79)})
        EXPECT_EQ(beam.pixel(corner) & 0xFFFFFF, 0u) << corner.x() << ", " << corner.y();
    long up = 0, down = 0, left = 0, right = 0;
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 80; ++x) {
            const int g = qGreen(beam.pixel(x, y));
            (y < 40 ? up : down) += g;
            (x < 40 ? left : right) += g;
        }
    }
    EXPECT_GT(up, 10 * (down + 1));
    EXPECT_NEAR(double(left) / (left + right), 0.5, 0.05) << "the beam leans sideways";
    EXPECT_GT(qGreen(beam.pixel(40, 8)), 150) << "no bright beam straight above the centre";
}

// The Home Position button shows the chosen edge by its face, so each arrow must point the way
// its name says (the head is the widest part of it), and the face before a choice must reach
// out to all four edges.
TEST(Sprites, HomePositionFacesPointToTheirEdge) {
    struct Face {
        const char* name;
        bool across;   // points left or right
        bool forward;  // points right or down
    };
    for (const Face& face : {Face{"LEFT", true, false}, Face{"RIGHT", true, true},
                             Face{"UP", false, false}, Face{"DOWN", false, true}}) {
        SCOPED_TRACE(face.name);
        const QImage stored = Stored(face.name);
        ASSERT_EQ(stored.size(), QSize(64, 48));
        std::vector<int> lines(face.across ? 64 : 48, 0);
        int total = 0;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) {
                if (!IsArrow(stored, x, y)) continue;
                ++lines[face.across ? x : y];
                ++total;
            }
        }
        EXPECT_GT(total, 64 * 48 / 10) << "the arrow is too small to read";
        const int widest = int(std::max_element(lines.begin(), lines.end()) - lines.begin());
        EXPECT_EQ(widest >= int(lines.size()) / 2, face.forward) << "head at " << widest;
    }

    const QImage all = Stored("ALL");
    ASSERT_EQ(all.size(), QSize(64, 48));
    bool left = false, right = false, up = false, down = false;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (!IsArrow(all, x, y)) continue;
            left |= x < 12;
            right |= x >= 52;
            up |= y < 10;
            down |= y >= 38;
        }
    }
    EXPECT_TRUE(left && right && up && down) << left << right << up << down;
}
