#include <gtest/gtest.h>

#include "core/game.h"
#include "net/message_reader.h"
#include "tests/support/test_platform.h"

namespace {
QStringList Drain(kvd::MessageReader& reader) {
    QStringList out;
    QString message;
    while (reader.Next(message)) out << message;
    return out;
}
}  // namespace

TEST(MessageReader, OneMessageALineWhateverTheReadsCutThemInto) {
    kvd::MessageReader reader;
    // Two messages in one read: the turn token after the move record is not lost.
    reader.Feed(kvd::Framed("[Move]=3505060405") + kvd::Framed("EnemyGo"));
    EXPECT_EQ(Drain(reader), (QStringList{"[Move]=3505060405", "EnemyGo"}));
    // One message over three reads, and a bare LF end.
    reader.Feed("[Na");
    EXPECT_TRUE(Drain(reader).isEmpty()) << "an unfinished line waits";
    reader.Feed("me]=Nel");
    reader.Feed("son\r\nPlayerGo\n");
    EXPECT_EQ(Drain(reader), (QStringList{"[Name]=Nelson", "PlayerGo"}));
    EXPECT_FALSE(reader.Overflowed());
}

TEST(MessageReader, AnEndlessLineGivesUpTheConnection) {
    kvd::MessageReader reader;
    reader.Feed(QByteArray(kvd::MessageReader::kLongestLine, 'x'));
    EXPECT_FALSE(reader.Overflowed());
    reader.Feed("x");
    EXPECT_TRUE(reader.Overflowed());
    reader.Feed("\r\nEnemyGo\r\n");
    EXPECT_TRUE(Drain(reader).isEmpty()) << "nothing more is taken from that peer";
    reader.Clear();
    reader.Feed(kvd::Framed("StartGame"));
    EXPECT_EQ(Drain(reader), QStringList{"StartGame"});
}
