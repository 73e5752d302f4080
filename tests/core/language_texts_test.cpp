#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

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
    using kvd::LanguageSwitch;
    ASSERT_EQ(kvd::SwitchLanguage(t.Folder(), 'D', texts), LanguageSwitch::Done);
    EXPECT_EQ(texts.Text(1), "Ja");
    ASSERT_EQ(kvd::SwitchLanguage(t.Folder(), 'E', texts), LanguageSwitch::Done);
    EXPECT_EQ(texts.Text(1), "Yes");
    ASSERT_EQ(kvd::SwitchLanguage(t.Folder(), 'x', texts), LanguageSwitch::Done)
        << "anything but E is German";
    EXPECT_EQ(texts.Text(1), "Ja");
    EXPECT_EQ(t.ReadFile("config/message.mes"), t.ReadFile("config/deutsch.mes"));
}

// A language file that is missing, empty or holds no word gives way to the other language,
// whichever of the two is chosen; the game is never left without words.
TEST(LanguageTexts, ABrokenLanguageFileGivesWayToTheOther) {
    struct Broken {
        const char* what;
        bool missing;
        QByteArray bytes;
    };
    const Broken broken[] = {
        {"missing", true, {}},
        {"empty", false, {}},
        {"only its title", false, "000Korvald\r\n"},
        {"numbers without words", false, "000\r\n001\r\n002   \r\n003\r\n"},
    };
    struct Language {
        char chosen;
        const char* file;
        const char* other;
        const char* otherWord;
    };
    const Language languages[] = {{'E', "config/english.mes", "config/deutsch.mes", "Ja"},
                                  {'D', "config/deutsch.mes", "config/english.mes", "Yes"}};
    for (const Language& language : languages) {
        for (const Broken& b : broken) {
            SCOPED_TRACE(std::string(1, language.chosen) + ": " + b.what);
            kvd::test::TestPlatform t;
            t.WriteLines("config/english.mes", {"000", "001Yes"});
            t.WriteLines("config/deutsch.mes", {"000", "001Ja"});
            if (b.missing)
                QFile::remove(t.Path(language.file));
            else
                t.WriteFile(language.file, b.bytes);
            kvd::LanguageTexts texts;
            EXPECT_EQ(kvd::SwitchLanguage(t.Folder(), language.chosen, texts),
                      kvd::LanguageSwitch::OtherLanguage);
            EXPECT_EQ(texts.Text(1), language.otherWord);
            EXPECT_EQ(t.ReadFile("config/message.mes"), t.ReadFile(language.other));
        }
    }
}

TEST(LanguageTexts, WithNeitherFileTheTextsStayAsTheyWere) {
    kvd::test::TestPlatform t;
    t.WriteFile("config/english.mes", "000\r\n001\r\n");
    kvd::LanguageTexts texts;
    texts.MessageList = {"000", "001old"};
    EXPECT_EQ(kvd::SwitchLanguage(t.Folder(), 'D', texts), kvd::LanguageSwitch::NoTexts);
    EXPECT_EQ(texts.Text(1), "old");
}

TEST(LanguageTexts, AWorkingCopyThatCannotBeWrittenStillGivesTheTexts) {
    kvd::test::TestPlatform t;
    t.WriteLines("config/deutsch.mes", {"000", "001Ja"});
    QDir().mkpath(t.Path("config/message.mes/stuck"));  // a folder where the copy belongs
    kvd::LanguageTexts texts;
    EXPECT_EQ(kvd::SwitchLanguage(t.Folder(), 'D', texts), kvd::LanguageSwitch::CopyFailed);
    EXPECT_EQ(texts.Text(1), "Ja") << "read from the language file itself";
}

// The program's switch: the boxes take the buttons' words of the language now spoken, and a
// language that gave way is reported once, in the words of the other.
TEST(LanguageTexts, ChangeGivesTheBoxesTheirWordsAndReportsAFallbackOnce) {
    kvd::test::TestPlatform t;
    QStringList english(195), german(195);
    for (int n = 0; n < 195; ++n) {
        english[n] = QStringLiteral("%1").arg(n, 3, 10, QChar('0'));
        german[n] = english[n];
    }
    english[190] += "Yes", english[191] += "No", english[192] += "OK",
        english[193] += "German is broken";
    german[190] += "Ja", german[191] += "Nein", german[192] += "Gut",
        german[194] += "Englisch ist kaputt";
    t.WriteLines("config/english.mes", english);
    t.WriteLines("config/deutsch.mes", german);
    kvd::LanguageTexts texts;
    kvd::ScriptedMessageBoxes& boxes = t.Boxes();

    EXPECT_EQ(kvd::ChangeLanguage(t.Services(), 'D', texts), kvd::LanguageSwitch::Done);
    EXPECT_TRUE(boxes.Boxes().empty());
    boxes.Show(kvd::BoxKind::Warning, "?", kvd::BoxButtons::YesNo);
    boxes.Show(kvd::BoxKind::Error, "!", kvd::BoxButtons::Ok);
    EXPECT_EQ(boxes.Boxes()[0].captions, (QStringList{"Ja", "Nein"}));
    EXPECT_EQ(boxes.Boxes()[1].captions, QStringList{"Gut"});
    boxes.Clear();

    t.WriteFile("config/deutsch.mes", "");
    EXPECT_EQ(kvd::ChangeLanguage(t.Services(), 'D', texts), kvd::LanguageSwitch::OtherLanguage);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "   German is broken   ");
    EXPECT_EQ(boxes.Boxes()[0].captions, QStringList{"OK"}) << "the report is read in English";
    boxes.Clear();

    t.WriteLines("config/deutsch.mes", german);
    QFile::remove(t.Path("config/english.mes"));
    EXPECT_EQ(kvd::ChangeLanguage(t.Services(), 'E', texts), kvd::LanguageSwitch::OtherLanguage);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "   Englisch ist kaputt   ");
    EXPECT_EQ(boxes.Boxes()[0].captions, QStringList{"Gut"});
}

TEST(LanguageTexts, AnOldFileWithoutTheNewWordsKeepsEnglishButtonsAndReports) {
    kvd::test::TestPlatform t;
    t.WriteLines("config/english.mes", {"000", "001Options"});
    kvd::LanguageTexts texts;
    EXPECT_EQ(kvd::ChangeLanguage(t.Services(), 'D', texts), kvd::LanguageSwitch::OtherLanguage);
    ASSERT_EQ(t.Boxes().Boxes().size(), 1u);
    EXPECT_TRUE(t.Boxes().Boxes()[0].text.contains("deutsch.mes"))
        << t.Boxes().Boxes()[0].text.toStdString();
    EXPECT_EQ(t.Boxes().Boxes()[0].captions, QStringList{"OK"});
    EXPECT_EQ(texts.TextOr(190, "Yes"), "Yes");
    EXPECT_EQ(texts.TextOr(1, "Choices"), "Options");
}

TEST(LanguageTexts, CaptionChainGivesEachControlItsText) {
    kvd::LanguageTexts texts;
    for (int n = 0; n < 20; ++n)
        texts.MessageList << QStringLiteral("%1text %2").arg(n, 3, 10, QChar('0')).arg(n);
    QStringList got;
    auto into = [&](int k) { return [&, k](const QString& s) { got[k] = s; }; };
    got = QStringList(3);
    kvd::CaptionChain(texts, {{13, into(0)}, {4, into(1)}, {15, into(2)}});
    EXPECT_EQ(got, (QStringList{"text 13", "text 4", "text 15"}));
    EXPECT_EQ(texts.Msg1, "text 15");
    kvd::CaptionChain(texts, {});  // nothing to relabel: no lookup
    EXPECT_EQ(texts.Msg1, "text 15");
}
