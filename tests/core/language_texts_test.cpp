#include <gtest/gtest.h>

#include "core/language_texts.h"
#include "tests/support/test_platform.h"

TEST(LanguageTexts, LookupsStripThePrefixAndKeepBlanks) {
    kvd::LanguageTexts texts;
    texts.MessageList = {"000header", "001Options", "002 sunk by ", "003", "0", ""};
    texts.MO(1, 1);
    texts.MO(2, 2);
    texts.MO(3, 3);
    EXPECT_EQ(texts.Msg1, "Options");
    EXPECT_EQ(texts.Msg2, " sunk by ");
    EXPECT_EQ(texts.Msg3, "");
    texts.MO(4, 1);
    EXPECT_EQ(texts.Msg1, "") << "a line of three characters or fewer is an empty text";
    texts.MO(1, 4);  // no such slot: nothing changes
    EXPECT_EQ(texts.Msg1, "");
    EXPECT_EQ(texts.Msg2, " sunk by ");
    // Numbers the list does not hold are empty, never a crash.
    texts.MO(148, 2);
    texts.MO(-1, 3);
    EXPECT_EQ(texts.Msg2, "");
    EXPECT_EQ(texts.Msg3, "");
}

TEST(LanguageTexts, LookupIntoOneSlotLeavesTheOthers) {
    kvd::LanguageTexts texts;
    texts.MessageList = {"000", "001a", "002b", "003c"};
    texts.MO(2, 2);
    texts.MO(3, 3);
    texts.MO(1, 1);
    EXPECT_EQ(texts.Msg2, "b");
    EXPECT_EQ(texts.Msg3, "c");
}

TEST(LanguageTexts, SwitchReplacesTheWorkingCopy) {
    kvd::test::TestPlatform t;
    t.WriteLines("config/english.mes", {"000", "001Yes"});
    t.WriteLines("config/deutsch.mes", {"000", "001Ja"});
    t.WriteLines("config/message.mes", {"000", "001stale"});
    kvd::LanguageTexts texts;
    ASSERT_TRUE(kvd::SwitchLanguage(t.Folder(), 'D', texts));
    EXPECT_EQ(texts.Text(1), "Ja");
    ASSERT_TRUE(kvd::SwitchLanguage(t.Folder(), 'E', texts));
    EXPECT_EQ(texts.Text(1), "Yes");
    ASSERT_TRUE(kvd::SwitchLanguage(t.Folder(), 'x', texts)) << "anything but E is German";
    EXPECT_EQ(texts.Text(1), "Ja");
    EXPECT_EQ(t.ReadFile("config/message.mes"), t.ReadFile("config/deutsch.mes"));
}

TEST(LanguageTexts, FailedCopyIsReportedAndLeavesAnEmptyList) {
    kvd::test::TestPlatform t;
    t.WriteLines("config/english.mes", {"000", "001Yes"});
    kvd::LanguageTexts texts;
    texts.MessageList = {"000", "001old"};
    EXPECT_FALSE(kvd::SwitchLanguage(t.Folder(), 'D', texts));
    EXPECT_TRUE(texts.MessageList.isEmpty());
    EXPECT_EQ(texts.Text(1), "");
}

TEST(LanguageTexts, CaptionChainGivesEachControlItsText) {
    kvd::LanguageTexts texts;
    for (int n = 0; n < 20; ++n) texts.MessageList << QStringLiteral("%1text %2").arg(n, 3, 10, QChar('0')).arg(n);
    QStringList got;
    auto into = [&](int k) { return [&, k](const QString& s) { got[k] = s; }; };
    got = QStringList(3);
    kvd::CaptionChain(texts, {{13, into(0)}, {4, into(1)}, {15, into(2)}});
    EXPECT_EQ(got, (QStringList{"text 13", "text 4", "text 15"}));
    EXPECT_EQ(texts.Msg1, "text 15");
    kvd::CaptionChain(texts, {});  // nothing to relabel: no lookup
    EXPECT_EQ(texts.Msg1, "text 15");
}
