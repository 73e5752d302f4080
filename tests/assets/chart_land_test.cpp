#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <string>
#include <vector>

#include "core/map_file.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "platform/resources.h"
#include "tests/support/test_platform.h"

// The charts of the built-in maps against their land cells, measured on the pictures as the
// game decodes them: the land a player sees must be land the ships cannot sail.

namespace {

constexpr int kBoard = 10;
constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr double kSeaCellLand = 1.0 / 3;  // a sea cell shows less land than this
constexpr double kSailableLand = 0.15;    // the part of the drawn land sea cells may hold
// A diagonal step passes the corner its two cells share, along the line between their
// centres. Of the strip kCornerReach pixels either way along that line from the corner and
// kCornerHalfWidth either side of it, less than kCornerLand may be land.
constexpr int kCornerReach = 26;
constexpr int kCornerHalfWidth = 6;
constexpr double kCornerLand = 0.15;

// The charts draw the land in sand and olive edged by a dark brown coast line, the sea, its
// lagoons and surf in blues: a pixel is land when it is redder than it is blue.
bool IsLandColour(QRgb pixel) {
    return qRed(pixel) > qBlue(pixel);
}
// Neither clearly: the blend along a coast line.
bool IsBetweenColours(QRgb pixel) {
    return qAbs(qRed(pixel) - qBlue(pixel)) < 24;
}

// The land drawn on a board-sized picture.
class DrawnLand {
  public:
    explicit DrawnLand(const QImage& image) : land_(size_t(kWidth) * kHeight) {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const QRgb pixel = image.pixel(x, y);
                const bool land = IsLandColour(pixel);
                land_[size_t(y) * kWidth + x] = land;
                pixels_[x * kBoard / kWidth][y * kBoard / kHeight] += 1;
                landPixels_[x * kBoard / kWidth][y * kBoard / kHeight] += land ? 1 : 0;
                if (IsBetweenColours(pixel)) ++between_;
            }
    }

    double Share(int column, int row) const {
        return double(landPixels_[column][row]) / pixels_[column][row];
    }
    int LandPixels(int column, int row) const { return landPixels_[column][row]; }
    double BetweenShare() const { return double(between_) / (kWidth * kHeight); }

    // The land share of the strip a diagonal step passes at the inner corner (column, row)
    // (the top left corner of that cell): from the cell above left to this one when `down`,
    // else from the cell on the left to the one above. Sums in tenths of a pixel, so every
    // pixel falls the same side of the strip's edge as in tools/map_cells.py.
    double CornerLand(int column, int row, bool down) const {
        const int sign = down ? 1 : -1;
        const int cx = column * kWidth, cy = row * kHeight;
        int inside = 0, land = 0;
        for (int y = row * kHeight / kBoard - 40; y <= row * kHeight / kBoard + 40; ++y)
            for (int x = column * kWidth / kBoard - 40; x <= column * kWidth / kBoard + 40; ++x) {
                const int dx = 10 * x + 5 - cx, dy = 10 * y + 5 - cy;
                const int along = 8 * dx + 6 * sign * dy;
                const int across = 6 * sign * dx - 8 * dy;
                if (qAbs(along) > 100 * kCornerReach || qAbs(across) > 100 * kCornerHalfWidth)
                    continue;
                ++inside;
                if (land_[size_t(y) * kWidth + x]) ++land;
            }
        return double(land) / inside;
    }

  private:
    std::vector<bool> land_;
    std::array<std::array<int, kBoard>, kBoard> pixels_{};      // [column][row]
    std::array<std::array<int, kBoard>, kBoard> landPixels_{};  // [column][row]
    int between_ = 0;
};

QString CellName(int column, int row) {
    return QStringLiteral("%1%2")
        .arg(column, 2, 10, QLatin1Char('0'))
        .arg(row, 2, 10, QLatin1Char('0'));
}

std::vector<std::string> ShippedMapParams() {
    std::vector<std::string> params;
    const QStringList files = QDir(kvd::test::DataDir() + QStringLiteral("/maps"))
                                  .entryList({QStringLiteral("*.map")}, QDir::Files, QDir::Name);
    for (const QString& file : files) params.push_back(file.chopped(4).toStdString());
    return params;
}

class ChartLand : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(kvd::LoadMap(files_, Name(), map_, &error)) << error.toStdString();
        // One decoding per chart for all the checks.
        static std::map<std::string, DrawnLand> charts;
        auto found = charts.find(GetParam());
        if (found == charts.end()) {
            const kvd::Resources resources;
            kvd::Picture picture;
            ASSERT_TRUE(kvd::LoadJPEGFromRes(resources, kvd::BuiltInPictureName(Name()), picture));
            ASSERT_EQ(picture.Width(), kWidth);
            ASSERT_EQ(picture.Height(), kHeight);
            found = charts.emplace(GetParam(), DrawnLand(picture.Image())).first;
        }
        drawn_ = &found->second;
    }

    QString Name() const { return QString::fromStdString(GetParam()); }
    bool IsLand(int column, int row) const { return map_.IsLand(column, row); }

    kvd::Files files_{kvd::test::DataDir()};
    kvd::MapLines map_;
    const DrawnLand* drawn_ = nullptr;
};

// Guards the colour rule the other checks stand on: a chart drawn in other colours would
// make every measure below meaningless.
TEST_P(ChartLand, ColoursTellLandFromSea) {
    EXPECT_LT(drawn_->BetweenShare(), 0.05);
    int land = 0;
    for (int column = 0; column < kBoard; ++column)
        for (int row = 0; row < kBoard; ++row) land += drawn_->LandPixels(column, row);
    EXPECT_GT(land, 0) << "no land drawn";
}

TEST_P(ChartLand, NoSeaCellShowsAThirdOfLand) {
    for (int column = 0; column < kBoard; ++column)
        for (int row = 0; row < kBoard; ++row)
            if (!IsLand(column, row)) {
                EXPECT_LT(drawn_->Share(column, row), kSeaCellLand)
                    << "sea cell " << CellName(column, row).toStdString();
            }
}

TEST_P(ChartLand, LittleOfTheDrawnLandLiesInSeaCells) {
    int all = 0, atSea = 0;
    for (int column = 0; column < kBoard; ++column)
        for (int row = 0; row < kBoard; ++row) {
            all += drawn_->LandPixels(column, row);
            if (!IsLand(column, row)) atSea += drawn_->LandPixels(column, row);
        }
    ASSERT_GT(all, 0);
    EXPECT_LE(double(atSea) / all, kSailableLand);
}

TEST_P(ChartLand, NoDiagonalStepCrossesDrawnLand) {
    for (int column = 1; column < kBoard; ++column)
        for (int row = 1; row < kBoard; ++row) {
            if (!IsLand(column - 1, row - 1) && !IsLand(column, row)) {
                EXPECT_LT(drawn_->CornerLand(column, row, true), kCornerLand)
                    << CellName(column - 1, row - 1).toStdString() << " to "
                    << CellName(column, row).toStdString();
            }
            if (!IsLand(column - 1, row) && !IsLand(column, row - 1)) {
                EXPECT_LT(drawn_->CornerLand(column, row, false), kCornerLand)
                    << CellName(column - 1, row).toStdString() << " to "
                    << CellName(column, row - 1).toStdString();
            }
        }
}

// A land cell the chart shows as open sea would be a wall the player cannot see.
TEST_P(ChartLand, EveryLandCellShowsLand) {
    for (int column = 0; column < kBoard; ++column)
        for (int row = 0; row < kBoard; ++row)
            if (IsLand(column, row)) {
                EXPECT_GE(drawn_->Share(column, row), 0.02)
                    << "land cell " << CellName(column, row).toStdString();
            }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ChartLand, ::testing::ValuesIn(ShippedMapParams()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param.substr(info.param.rfind('$') + 1);
                         });

// The corner measure on drawn shapes: land running across a corner is caught, land that only
// fills one of the four cells up to the corner is not.
TEST(ChartCornerLand, CatchesLandAcrossACornerOnly) {
    const QRgb sea = qRgb(0x24, 0x50, 0x7f), sand = qRgb(0xdc, 0xcb, 0x9c);
    const int cx = 5 * kWidth / kBoard, cy = 5 * kHeight / kBoard;  // corner of cell 0505

    QImage bar(kWidth, kHeight, QImage::Format_RGB32);
    bar.fill(sea);
    // A strip of land 12 pixels wide from the cell above right of the corner to the cell
    // below left of it, the way a long narrow island lies across a corner.
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (qAbs(3 * (x - cx) + 4 * (y - cy)) <= 30) bar.setPixel(x, y, sand);
    const DrawnLand across(bar);
    EXPECT_GE(across.CornerLand(5, 5, true), kCornerLand);   // 0404 to 0505 crosses it
    EXPECT_GE(across.CornerLand(5, 5, false), kCornerLand);  // 0405 to 0504 sails along it
    EXPECT_LT(across.CornerLand(2, 2, true), kCornerLand);   // far from it
    EXPECT_LT(across.Share(5, 4), kSeaCellLand);             // though no cell it runs through
                                                             // is much land

    QImage block(kWidth, kHeight, QImage::Format_RGB32);
    block.fill(sea);
    for (int y = cy; y < kHeight; ++y)
        for (int x = cx; x < kWidth; ++x) block.setPixel(x, y, sand);
    const DrawnLand corner(block);
    EXPECT_LT(corner.CornerLand(5, 5, false), kCornerLand);  // grazes the land's corner
    EXPECT_DOUBLE_EQ(corner.Share(5, 5), 1.0);
    EXPECT_DOUBLE_EQ(corner.Share(4, 4), 0.0);
}

}  // namespace
