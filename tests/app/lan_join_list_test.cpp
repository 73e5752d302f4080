// Games on the local network in the multi-player window: a hosting program's game appears on a
// joining program's join panel, on loopback and a port of the test's own.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QMouseEvent>

#include "tests/app/network_players.h"

namespace kvd {
namespace {

using test::Until;

void ClickLine(QListWidget& list, int row) {
    QWidget* view = list.viewport();
    const QPoint at = list.visualItemRect(list.item(row)).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, view->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(view, &click);
    }
}

TEST(GamesOnTheNetwork, AHostedGameIsListedOnTheJoinPanelAndAClickPicksIt) {
    test::Player host, joining;
    const LanSettings lan = test::LoopbackLan();
    host.window().Lan() = lan;
    joining.window().Lan() = lan;
    const quint16 port = test::FreePort();

    joining.window().ShowFullScreen();
    joining.window().Label9Click();
    ASSERT_TRUE(joining.window().HeardGames().Listening());
    // Nothing heard yet: the list says so, in a line that cannot be picked.
    ASSERT_EQ(joining.window().GameList->count(), 1);
    EXPECT_EQ(joining.window().GameList->item(0)->flags(), Qt::NoItemFlags);

    host.program->State().settings.HomeNavy = QLatin1Char('U');
    host.window().ShowFullScreen();
    host.window().Label8Click();
    host.window().AlliedName->setText(QStringLiteral("Alice"));
    host.window().GameName->setText(QStringLiteral("Narvik"));
    host.window().ServerPortEdit->setText(QString::number(port));
    host.window().Label10Click();
    ASSERT_TRUE(host.window().Announcer().Running());

    QListWidget& list = *joining.window().GameList;
    ASSERT_TRUE(
        Until([&] { return list.count() == 1 && list.item(0)->flags() != Qt::NoItemFlags; }));
    const QString where = QStringLiteral("127.0.0.1:") + QString::number(port);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("Narvik - Alice, %1 - %2")
                                        .arg(joining.program->State().texts.Text(286), where));

    // A click on the line fills the address and port; connecting to them joins the game.
    ClickLine(list, 0);
    EXPECT_EQ(joining.window().ClientIP->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(joining.window().ClientPortEdit->text(), QString::number(port));
    joining.window().Edit1->setText(QStringLiteral("Bob"));
    joining.window().Label13Click();
    ASSERT_TRUE(Until([&] { return host.window().State().NetStage == 3; }));

    // The host's cancel ends the announcing, the joining program's the listening.
    host.window().Label7Click();
    EXPECT_FALSE(host.window().Announcer().Running());
    joining.window().Label14Click();
    EXPECT_FALSE(joining.window().HeardGames().Listening());
}

}  // namespace
}  // namespace kvd
