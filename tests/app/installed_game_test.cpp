// The installed game: the shipped files stay as they were, and the player's settings, working
// copies, unit table and maps live in the player's folder and survive a restart.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMap>
#include <QTemporaryDir>

#include "app/program.h"
#include "board/main_form.h"
#include "core/game.h"
#include "frontend/intro_form.h"
#include "frontend/options_form.h"
#include "mapeditor/map_form.h"
#include "tests/support/test_platform.h"

namespace kvd {
namespace {

struct InstalledGame : ::testing::Test {
    InstalledGame() {
        // The shipped files as the package installs them.
        QDirIterator it(test::DataDir(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to =
                shippedDir.path() + '/' + QDir(test::DataDir()).relativeFilePath(from);
            QDir().mkpath(QFileInfo(to).path());
            QFile::copy(from, to);
        }
        shipped = Snapshot();
        t.UseBuiltInAssets();
        Reopen();
    }
    // A fresh start: the files service as the program makes it, over the same folders.
    void Reopen() { t.Services().files = std::make_unique<Files>(shippedDir.path(), UserPath()); }
    QString UserPath() const { return userDir.path() + QStringLiteral("/korvald"); }
    QByteArray Owned(const QString& relative) const {
        QFile file(UserPath() + '/' + relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QMap<QString, QByteArray> Snapshot() const {
        QMap<QString, QByteArray> all;
        QDirIterator it(shippedDir.path(), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            all[file.fileName()] =
                file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
        }
        return all;
    }
    QStringList BoxTexts() {
        QStringList texts;
        for (const auto& box : t.Boxes().Boxes()) texts << box.text;
        return texts;
    }

    QTemporaryDir shippedDir, userDir;
    QMap<QString, QByteArray> shipped;
    test::TestPlatform t;
};

TEST_F(InstalledGame, SettingsAndWorkingCopiesGoToThePlayersFolderAndSurviveARestart) {
    {
        Program program(t.Services());
        ASSERT_TRUE(t.Boxes().Boxes().empty()) << BoxTexts().join("|").toStdString();
        EXPECT_FALSE(program.Intro().StartupFailed());
        EXPECT_EQ(Owned("config/message.mes"), shipped[shippedDir.path() + "/config/english.mes"]);

        program.Intro().EntryClick(TIntroForm::Entry::Options);
        program.Options().LangBox->setCurrentIndex(1);
        program.Options().LangBoxChange();
        program.Options().Label8Click();
        ASSERT_FALSE(Owned("config/last.cfg").isEmpty());
        EXPECT_NE(Owned("config/last.cfg"), shipped[shippedDir.path() + "/config/last.cfg"]);

        program.Intro().EntryClick(TIntroForm::Entry::StartGame);
        ASSERT_TRUE(program.TheGame().GameActive) << BoxTexts().join("|").toStdString();
        EXPECT_FALSE(Owned("config/ships.cfg").isEmpty());
        QKeyEvent f3(QEvent::KeyPress, Qt::Key_F3, Qt::NoModifier);
        QCoreApplication::sendEvent(&program.Board(), &f3);
        EXPECT_GT(Owned("ShipLines.txt").count('\n'), 40) << "the unit table, saved by F3";
    }
    EXPECT_EQ(Snapshot(), shipped);

    Reopen();
    Program again(t.Services());
    EXPECT_EQ(again.State().settings.Language, 'D');
    EXPECT_EQ(Owned("config/message.mes"), shipped[shippedDir.path() + "/config/deutsch.mes"]);
    EXPECT_EQ(Snapshot(), shipped);
}

TEST_F(InstalledGame, AStoredMapIsThePlayersAndListedWithTheShippedOnes) {
    QImage sea(1024, 768, QImage::Format_RGB32);
    sea.fill(QColor(20, 40, 90));
    const QString picture = userDir.path() + "/sea.jpg";
    ASSERT_TRUE(sea.save(picture, "JPG"));
    Program program(t.Services());
    TMapForm& editor = program.MapEditor();
    program.ShowMapMaker();
    ASSERT_TRUE(editor.LoadPicture(picture));
    editor.HomeButton->click();
    editor.HomeMenu->actions()[0]->trigger();
    editor.HomeConfirm->click();
    editor.AddLand->click();
    editor.LandConfirm->click();
    editor.Edit1->setText(QStringLiteral("GOZO"));
    ASSERT_TRUE(editor.StoreButton->isEnabled());
    editor.StoreButton->click();
    editor.CloseButton->click();
    EXPECT_TRUE(Owned("maps/GOZO.map").startsWith("[ProjName] =GOZO"))
        << Owned("maps/GOZO.map").left(40).toStdString();
    EXPECT_EQ(Snapshot(), shipped);

    program.ShowOptions();
    const QComboBox* list = program.Options().MapList;
    EXPECT_GE(list->findText(QStringLiteral("GOZO")), 0);
    EXPECT_GE(list->findText(QStringLiteral("CHANNEL")), 0) << "read without its \"$\"";
    EXPECT_GE(list->findData(QStringLiteral("$CHANNEL")), 0);
    EXPECT_EQ(list->count(), 39);
}

}  // namespace
}  // namespace kvd
