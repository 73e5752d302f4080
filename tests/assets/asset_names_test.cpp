#include <gtest/gtest.h>
#include <QFile>

#include "platform/fonts.h"
#include "platform/picture.h"
#include "platform/resources.h"
#include "platform/wave.h"

// Every picture, sprite and sound the game asks for by name is built in, in the kind the game
// loads it as, whatever letter case the asking code uses.
namespace {
const QStringList kSprites{
    "AUX",       "SUB",         "CORVETTE",  "FRIGATE",    "DESTROYER",  "LTCRUISER",  "CRUISER",
    "CARRIER",   "BATTLESHIP",  "MINES",     "TROOPER",    "MERCHANT1",  "MERCHANT2",  "OILER",
    "DAUX",      "DSUB",        "DCORVETTE", "DFRIGATE",   "DDESTROYER", "DLTCRUISER", "DCRUISER",
    "DCARRIER",  "DBATTLESHIP", "DTROOPER",  "DMERCHANT1", "DMERCHANT2", "DOILER",     "GREENBOX",
    "HAMMERBOX", "ENEMYFLAG",   "EFLAG",     "JFLAG",      "UFLAG",      "HAMMER",     "JSTARS",
    "RADAR",     "RADARSCREEN", "LEFT",      "RIGHT",      "UP",         "DOWN",       "ALL",
    "LANDMARK"};
const QStringList kPictures{
    "STANDARD",    "IRELAND",     "ICELAND",     "CORK",          "LANDSEND",     "FAROE",
    "SKAGERRACK",  "SHETLAND",    "STAVANGER",   "BOME",          "CHANNEL",      "PORTLAND",
    "WIGHT",       "PLYMOUTH",    "LISBON",      "MALTA",         "ALGIERS",      "TUNIS",
    "TRIPOLI",     "GUAM",        "HAWAII",      "EHAWAII",       "SHAWAII",      "MARSHALL",
    "CAROLINE",    "BATAN",       "NSOLOMON",    "SSOLOMON",      "ESOLOMON",     "WSOLOMON",
    "NPHILLIPINE", "SPHILLIPINE", "EPHILLIPINE", "WPHILLIPINE",   "NOKINAWA",     "SOKINAWA",
    "NRYUKYU",     "SRYUKYU",     "ENGFLAG",     "RNEMBLEM",      "GERFLAG",      "GEREMBLEM",
    "USFLAG",      "USEMBLEM",    "JAPFLAG",     "JAPEMBLEM",     "BOTHLOSTFLAG", "KINGGEORGEV",
    "BISMARCK",    "WASHINGTON",  "YAMOTO",      "BOTHLOSTIMAGE", "TITLE2"};
const QStringList kSounds{"BELL",      "CLICK", "CROSSFIRE", "ENEMY",     "EXPLODE",
                          "HAMMER",    "INTRO", "PLANE",     "PLANEGUNS", "RADAR",
                          "SHIPSHORN", "SONAR", "XING"};
}  // namespace

TEST(BuiltInResources, EverySpriteLoads) {
    const kvd::Resources resources;
    for (const QString& name : kSprites) {
        SCOPED_TRACE(name.toStdString());
        kvd::Picture picture;
        EXPECT_TRUE(kvd::LoadSpriteFromRes(resources, name.toLower(), picture));
        EXPECT_FALSE(picture.IsNull());
    }
}

TEST(BuiltInResources, EveryPictureDecodes) {
    const kvd::Resources resources;
    for (const QString& name : kPictures) {
        SCOPED_TRACE(name.toStdString());
        kvd::Picture picture;
        EXPECT_TRUE(kvd::LoadJPEGFromRes(resources, name.left(1) + name.mid(1).toLower(), picture));
        EXPECT_FALSE(picture.IsNull());
    }
}

TEST(BuiltInResources, EverySoundIsAWave) {
    const kvd::Resources resources;
    for (const QString& name : kSounds) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_GT(kvd::WaveDurationMs(resources.Data(kvd::ResourceKind::Sound, name.toLower())), 0);
    }
}

TEST(BuiltInResources, WindowArtIconAndTitleFont) {
    const kvd::Resources resources;
    for (const char* name :
         {"INTROSIGN", "INTROPICTURE", "MENUPICTURE", "MENUIMAGE", "DARKIMAGE", "MENURADARIMAGE"})
        EXPECT_TRUE(resources.Has(kvd::ResourceKind::Picture, name)) << name;
    EXPECT_TRUE(QFile::exists(":/assets/icons/korvald.png"));
    kvd::Fonts fonts;
    EXPECT_TRUE(fonts.LoadTitleFont());
}
