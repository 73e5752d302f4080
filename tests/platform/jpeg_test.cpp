#include "platform/jpeg.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "tests/platform/pixels.h"

namespace kvd {
namespace {

using test::PixelNear;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QByteArray TestMap() {
    return ReadAll(QStringLiteral(":/testassets/pictures/TESTMAP.jpg"));
}

// TESTMAP is 62 x 46 in four flat quadrants: red, green over blue, white. JPEG is lossy, so
// colours are compared within a tolerance.
constexpr int kTolerance = 12;

TEST(JpegDecode, QuadrantsComeOutInTheirColoursAndPlaces) {
    const QByteArray data = TestMap();
    ASSERT_FALSE(data.isEmpty());
    QString error = QStringLiteral("left from before");
    const QImage image = DecodeJpeg(data, &error);
    ASSERT_FALSE(image.isNull()) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(image.width(), 62);
    EXPECT_EQ(image.height(), 46);
    EXPECT_EQ(image.format(), QImage::Format_RGB888);

    struct Quadrant {
        int left, top;
        QColor colour;
    };
    const Quadrant quadrants[] = {
        {0, 0, Qt::red}, {31, 0, Qt::green}, {0, 23, Qt::blue}, {31, 23, Qt::white}};
    for (const Quadrant& q : quadrants) {
        // Corners and middle of each quadrant, a few pixels in from its edges: rows written
        // at the wrong stride would show the wrong colour at the far corners.
        for (const QPoint p :
             {QPoint(2, 2), QPoint(28, 2), QPoint(15, 11), QPoint(2, 20), QPoint(28, 20)}) {
            EXPECT_TRUE(PixelNear(image, q.left + p.x(), q.top + p.y(), q.colour, kTolerance))
                << q.colour.name().toStdString();
        }
    }
}

TEST(JpegDecode, GreyscaleComesOutAsGreyRgb) {
    const QString path = QStringLiteral(KORVALD_TESTDATA_DIR "/GRAYBANDS.jpg");
    QString error;
    const QImage image = DecodeJpegFile(path, &error);
    ASSERT_FALSE(image.isNull()) << error.toStdString();
    EXPECT_EQ(image.size(), QSize(30, 16));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    for (int y : {1, 14}) {
        EXPECT_TRUE(PixelNear(image, 2, y, Qt::black, kTolerance));
        EXPECT_TRUE(PixelNear(image, 27, y, Qt::white, kTolerance));
        const QColor c = image.pixelColor(20, y);
        EXPECT_TRUE(c.red() == c.green() && c.green() == c.blue());
    }
}

// Every way the data can be wrong gives a null picture and a reason, never an exit or a crash.
void ExpectError(const QByteArray& data, const std::string& what) {
    SCOPED_TRACE(what);
    QString error;
    const QImage image = DecodeJpeg(data, &error);
    EXPECT_TRUE(image.isNull());
    EXPECT_FALSE(error.isEmpty());
}

TEST(JpegDecode, BrokenTruncatedAndRandomStreamsAreErrors) {
    ExpectError(ReadAll(QStringLiteral(":/testassets/pictures/BROKEN.jpg")), "BROKEN.jpg");
    ExpectError(QByteArray(), "empty");

    // Cut anywhere, even just before the end marker: libjpeg would pad the missing rows grey
    // and call it a picture.
    const QByteArray whole = TestMap();
    ASSERT_FALSE(whole.isEmpty());
    for (qsizetype length = 1; length < whole.size(); ++length)
        ExpectError(whole.left(length), "first " + std::to_string(length) + " bytes");

    std::mt19937 random(1942);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 100; ++round) {
        QByteArray data(1 + round * 20, '\0');
        for (char& c : data) c = char(byte(random));
        // Half of them start like a JPEG, so the decoder gets past the first check.
        if (round % 2 == 1) data.replace(0, 2, QByteArray("\xFF\xD8", 2));
        ExpectError(data, "random round " + std::to_string(round));
    }
}

TEST(JpegDecode, DamagedBytesGiveAPictureOrAnErrorNeverBoth) {
    const QByteArray whole = TestMap();
    ASSERT_FALSE(whole.isEmpty());
    // Some damage (a garbled table, a changed size) is detectable, some only changes pixels;
    // either way the answer is consistent and the program goes on.
    for (qsizetype at = 0; at < whole.size(); ++at) {
        QByteArray damaged = whole;
        damaged[at] = char(damaged[at] ^ 0x5A);
        QString error;
        const QImage image = DecodeJpeg(damaged, &error);
        EXPECT_NE(image.isNull(), error.isEmpty()) << "byte " << at;
    }
}

TEST(JpegFile, ReadsFromDiskAndReportsAMissingFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("map.jpg"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(TestMap());
    }
    const QImage fromDisk = DecodeJpegFile(path);
    ASSERT_FALSE(fromDisk.isNull());
    EXPECT_EQ(fromDisk, DecodeJpeg(TestMap()));

    const QString missing = dir.filePath(QStringLiteral("nowhere.jpg"));
    QString error;
    EXPECT_TRUE(DecodeJpegFile(missing, &error).isNull());
    EXPECT_TRUE(error.contains(missing)) << error.toStdString();
}

}  // namespace
}  // namespace kvd
