#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/picture.h"
#include "platform/resources.h"

// What the end-of-game window shows, checked on the shipped pictures themselves: the sizes
// the window draws them at, the Kriegsmarine's flag with its cross standing alone in the
// middle of a plain field, and each navy's battleship in a side view of its own.

namespace {

QImage LoadImage(const char* name) {
    kvd::Picture picture;
    if (!kvd::LoadJPEGFromRes(kvd::Resources(), QString::fromLatin1(name), picture))
        return QImage();
    return picture.Image().convertToFormat(QImage::Format_RGB32);
}

struct Place {
    const char* name;
    int width;
    int height;
};

// The winner window asks for every flag at 240 x 160, every badge at 200 x 200 and every ship
// at 420 x 280; a picture of another size comes out stretched or blurred.
const std::vector<Place> kPlaces = {
    {"ENGFLAG", 240, 160},     {"GERFLAG", 240, 160},       {"USFLAG", 240, 160},
    {"JAPFLAG", 240, 160},     {"BOTHLOSTFLAG", 240, 160},  {"RNEMBLEM", 200, 200},
    {"GEREMBLEM", 200, 200},   {"USEMBLEM", 200, 200},      {"JAPEMBLEM", 200, 200},
    {"KINGGEORGEV", 420, 280}, {"BISMARCK", 420, 280},      {"WASHINGTON", 420, 280},
    {"YAMOTO", 420, 280},      {"BOTHLOSTIMAGE", 420, 280},
};

const char* const kShips[] = {"KINGGEORGEV", "BISMARCK", "WASHINGTON", "YAMOTO"};

// ---------------------------------------------------------------------------------------------
// The flag: where its black and its white lie.

bool IsBlack(QRgb c) {
    return std::max({qRed(c), qGreen(c), qBlue(c)}) < 45;
}
bool IsWhite(QRgb c) {
    return std::min({qRed(c), qGreen(c), qBlue(c)}) > 190;
}

struct Marks {
    int count = 0;
    double centreX = 0;   // as a share of the width
    double centreY = 0;   // as a share of the height
    double lopsided = 0;  // share of the marks without a mirror image across the middle
    int nearEdges = 0;    // marks in the outer 15 % at the hoist and the fly
};

// The pixels of one colour on the cloth, leaving out the black margins the wave leaves above
// and below it.
Marks FindMarks(const QImage& flag, bool (*is)(QRgb)) {
    Marks m;
    const int w = flag.width();
    const int h = flag.height();
    std::vector<int> columns(w, 0);
    double sx = 0, sy = 0;
    for (int y = h * 12 / 100; y < h * 88 / 100; ++y)
        for (int x = 0; x < w; ++x) {
            if (!is(flag.pixel(x, y))) continue;
            ++m.count;
            ++columns[x];
            sx += x;
            sy += y;
            if (x < w * 15 / 100 || x >= w * 85 / 100) ++m.nearEdges;
        }
    if (m.count == 0) return m;
    m.centreX = (sx / m.count + 0.5) / w;
    m.centreY = (sy / m.count + 0.5) / h;
    int unmatched = 0;
    for (int x = 0; x < w; ++x) unmatched += std::abs(columns[x] - columns[w - 1 - x]);
    m.lopsided = unmatched / (2.0 * m.count);
    return m;
}

// ---------------------------------------------------------------------------------------------
// The ships: the outline of what stands above the sea, read against the painted background.

int Grey(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y));
}

// The horizon is the row where the sky meets the sea: the strongest change from one row to the
// next, looked for at the picture's sides, where no ship stands.
int FindHorizon(const QImage& image) {
    const int w = image.width();
    int best = -1, horizon = 0;
    for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y) {
        int change = 0;
        for (int x = 0; x < 15; ++x)
            for (int side : {x, w - 1 - x})
                change += std::abs(Grey(image, side, y) - Grey(image, side, y - 1));
        if (change > best) {
            best = change;
            horizon = y;
        }
    }
    return horizon;
}

// For every column, how far above a line just over the waterline the first sharp edge stands
// (the ship's outline is inked, the sky and sea are soft). The horizon itself is skipped.
std::vector<int> Outline(const QImage& image) {
    const int horizon = FindHorizon(image);
    const int base = horizon + image.height() * 16 / 100;
    std::vector<int> heights;
    for (int x = 1; x < image.width(); ++x) {
        int top = base;
        for (int y = 4; y < base; ++y) {
            if (std::abs(y - horizon) <= 2) continue;
            const int g = Grey(image, x, y);
            const int edge =
                std::max(std::abs(g - Grey(image, x, y - 1)), std::abs(g - Grey(image, x - 1, y)));
            if (edge > 35) {
                top = y;
                break;
            }
        }
        heights.push_back(base - top);
    }
    return heights;
}

}  // namespace

TEST(EndOfGameArt, PicturesHaveTheSizesTheWinnerWindowDrawsThemAt) {
    for (const Place& place : kPlaces) {
        SCOPED_TRACE(place.name);
        const QImage image = LoadImage(place.name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), place.width);
        EXPECT_EQ(image.height(), place.height);
    }
}

TEST(EndOfGameArt, KriegsmarineFlagHasItsCrossAloneInTheMiddle) {
    const QImage flag = LoadImage("GERFLAG");
    ASSERT_FALSE(flag.isNull());
    // The black cross and its white edging both sit in the middle of the cloth, balanced left
    // and right, and neither reaches out to the hoist or the fly: a flag with the cross set
    // towards the hoist, or with stripes running to the edges, fails here.
    for (auto [what, is] : {std::pair{"black", &IsBlack}, std::pair{"white", &IsWhite}}) {
        SCOPED_TRACE(what);
        const Marks m = FindMarks(flag, is);
        ASSERT_GT(m.count, flag.width() * flag.height() / 40);  // a cross, not a speck
        EXPECT_NEAR(m.centreX, 0.5, 0.04);
        EXPECT_NEAR(m.centreY, 0.5, 0.05);
        EXPECT_LT(m.lopsided, 0.12);
        EXPECT_LT(m.nearEdges, m.count / 200);
    }
}

TEST(EndOfGameArt, EveryBattleshipHasItsOwnOutline) {
    std::vector<std::vector<int>> outlines;
    for (const char* name : kShips) {
        SCOPED_TRACE(name);
        const QImage image = LoadImage(name);
        ASSERT_FALSE(image.isNull());
        outlines.push_back(Outline(image));
        const std::vector<int>& outline = outlines.back();
        // The ship is drawn whole and at full length: it stands over most of the picture's
        // width, clear of the frame at both ends.
        const auto standing =
            std::count_if(outline.begin(), outline.end(), [](int h) { return h > 6; });
        EXPECT_GT(standing, long(outline.size() * 7 / 10));
        EXPECT_LE(*std::max_element(outline.begin(), outline.begin() + 4), 6);
        EXPECT_LE(*std::max_element(outline.end() - 4, outline.end()), 6);
        // Its upperworks rise well above the hull: a tower or mast more than a quarter of the
        // picture's height over the waterline.
        EXPECT_GT(*std::max_element(outline.begin(), outline.end()), image.height() / 4);
    }
    // Two pictures of one outline on different skies differ in about a sixth of the columns;
    // two different ships in half or more.
    for (size_t a = 0; a < outlines.size(); ++a)
        for (size_t b = a + 1; b < outlines.size(); ++b) {
            SCOPED_TRACE(std::string(kShips[a]) + " and " + kShips[b]);
            ASSERT_EQ(outlines[a].size(), outlines[b].size());
            int differing = 0;
            for (size_t x = 0; x < outlines[a].size(); ++x)
                differing += std::abs(outlines[a][x] - outlines[b][x]) > 4;
            EXPECT_GT(differing, int(outlines[a].size() * 3 / 10));
        }
}
