#include <gtest/gtest.h>
#include <QLabel>

#include "net/status_line.h"
#include "tests/support/loopback.h"

namespace kvd {
namespace {

TEST(StatusLine, EveryMessageStaysLongEnoughToReadAndAFloodKeepsTheLatest) {
    QLabel label;
    StatusLine line(&label, 40);
    line.Say(QStringLiteral("connected"));
    line.Say(QStringLiteral("refused: [Navy]=X"));
    line.Say(QStringLiteral("refused: [Navy]=X"));  // the same again is shown once
    line.Say(QStringLiteral("lost"));
    EXPECT_EQ(label.text(), "connected");
    EXPECT_EQ(line.Waiting(), 2);
    ASSERT_TRUE(test::Until([&] { return label.text() == "refused: [Navy]=X"; }));
    ASSERT_TRUE(test::Until([&] { return label.text() == "lost"; }));
    EXPECT_EQ(line.Waiting(), 0);

    for (int k = 0; k < 3 * StatusLine::kWaiting; ++k) line.Say(QString::number(k));
    EXPECT_EQ(line.Waiting(), StatusLine::kWaiting);
    ASSERT_TRUE(test::Until([&] { return line.Waiting() == 0; }));
    EXPECT_EQ(label.text(), QString::number(3 * StatusLine::kWaiting - 1));
    // A fresh start drops what waits.
    line.Say(QStringLiteral("a"));
    line.Say(QStringLiteral("b"));
    line.Set(QStringLiteral("Log Status"));
    EXPECT_EQ(line.Waiting(), 0);
    EXPECT_EQ(label.text(), "Log Status");
    EXPECT_TRUE(label.wordWrap());
}

}  // namespace
}  // namespace kvd
