// Checks the two shipped help pages (data/help/english/kvdhelp.htm and
// data/help/german/kvdhilfe.htm), which the main menu and the map editor open in the browser:
// they exist, are UTF-8 and say so, are self-contained, nest their elements properly, every
// link of the table of contents leads somewhere, both languages carry the same sections in the
// same order, and the German page is written with its proper letters.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <string>

#include "tests/support/test_platform.h"

namespace kvd {
namespace {

struct HelpPage {
    const char* path;  // below the data folder
    const char* language;
};

const HelpPage kPages[] = {
    {"help/english/kvdhelp.htm", "English"},
    {"help/german/kvdhilfe.htm", "German"},
};

// The sections of the handbook, in the order they appear; both languages use the same ids.
const QStringList kSections = {
    QStringLiteral("goal"),    QStringLiteral("menu"),    QStringLiteral("navies"),
    QStringLiteral("moving"),  QStringLiteral("combat"),  QStringLiteral("radar"),
    QStringLiteral("repair"),  QStringLiteral("support"), QStringLiteral("campaign"),
    QStringLiteral("network"), QStringLiteral("editor"),  QStringLiteral("options"),
    QStringLiteral("keys"),
};

QByteArray ReadBytes(const HelpPage& page) {
    QFile file(test::DataDir() + QLatin1Char('/') + QString::fromLatin1(page.path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QString ReadText(const HelpPage& page) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    return decoder(ReadBytes(page));
}

// Values of one attribute over the whole page, in order of appearance.
QStringList AttributeValues(const QString& html, const QString& attribute) {
    QStringList values;
    const QRegularExpression pattern(QStringLiteral("\\s%1\\s*=\\s*\"([^\"]*)\"").arg(attribute));
    auto it = pattern.globalMatch(html);
    while (it.hasNext()) values << it.next().captured(1);
    return values;
}

// The ids of the <section> elements, in order.
QStringList SectionIds(const QString& html) {
    QStringList ids;
    const QRegularExpression pattern(QStringLiteral("<section\\s+id\\s*=\\s*\"([^\"]*)\""));
    auto it = pattern.globalMatch(html);
    while (it.hasNext()) ids << it.next().captured(1);
    return ids;
}

// The page with its comments and its style sheet taken out, for the tag checks.
QString Markup(QString html) {
    html.remove(QRegularExpression(QStringLiteral("<!--.*?-->"),
                                   QRegularExpression::DotMatchesEverythingOption));
    html.remove(QRegularExpression(QStringLiteral("<style[^>]*>.*?</style>"),
                                   QRegularExpression::DotMatchesEverythingOption |
                                       QRegularExpression::CaseInsensitiveOption));
    return html;
}

// Empty when every element that is opened is closed again in the right order; otherwise a
// description of the first fault.
std::string NestingFault(const QString& html) {
    static const QSet<QString> kVoid = {
        QStringLiteral("area"), QStringLiteral("base"),   QStringLiteral("br"),
        QStringLiteral("col"),  QStringLiteral("embed"),  QStringLiteral("hr"),
        QStringLiteral("img"),  QStringLiteral("input"),  QStringLiteral("link"),
        QStringLiteral("meta"), QStringLiteral("source"), QStringLiteral("track"),
        QStringLiteral("wbr"),
    };
    const QRegularExpression tag(QStringLiteral("<(/?)([A-Za-z][A-Za-z0-9]*)[^>]*?(/?)>"));
    QStringList open;
    auto it = tag.globalMatch(Markup(html));
    while (it.hasNext()) {
        const auto match = it.next();
        const bool closing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        if (kVoid.contains(name) || !match.captured(3).isEmpty()) continue;
        if (!closing) {
            open << name;
            continue;
        }
        if (open.isEmpty()) return "</" + name.toStdString() + "> closes nothing";
        if (open.last() != name) {
            return "</" + name.toStdString() + "> closes <" + open.last().toStdString() + ">";
        }
        open.removeLast();
    }
    if (!open.isEmpty()) return "<" + open.last().toStdString() + "> is never closed";
    return {};
}

TEST(HelpPages, BothPagesExist) {
    for (const HelpPage& page : kPages) {
        SCOPED_TRACE(page.language);
        const QByteArray bytes = ReadBytes(page);
        ASSERT_FALSE(bytes.isEmpty()) << page.path << " is missing or empty";
        EXPECT_TRUE(bytes.startsWith("<!DOCTYPE html>")) << "not an HTML5 page";
        EXPECT_TRUE(bytes.trimmed().endsWith("</html>"));
    }
}

TEST(HelpPages, PagesAreValidUtf8AndDeclareIt) {
    for (const HelpPage& page : kPages) {
        SCOPED_TRACE(page.language);
        const QByteArray bytes = ReadBytes(page);
        ASSERT_FALSE(bytes.isEmpty());
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder(bytes);
        EXPECT_FALSE(decoder.hasError()) << page.path << " holds bytes that are not UTF-8";
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
        const QRegularExpression charset(
            QStringLiteral("<meta\\s+charset\\s*=\\s*\"utf-8\"\\s*/?>"),
            QRegularExpression::CaseInsensitiveOption);
        const auto declared = charset.match(text);
        ASSERT_TRUE(declared.hasMatch()) << "no <meta charset=\"utf-8\">";
        // A browser only honours the declaration within the first 1024 bytes.
        EXPECT_LT(text.left(declared.capturedStart()).toUtf8().size(), 1024);
    }
}

TEST(HelpPages, EveryLinkLeadsToAnAnchorOfItsPage) {
    for (const HelpPage& page : kPages) {
        SCOPED_TRACE(page.language);
        const QString html = ReadText(page);
        ASSERT_FALSE(html.isEmpty());
        const QStringList ids = AttributeValues(html, QStringLiteral("id"));
        const QSet<QString> targets(ids.begin(), ids.end());
        EXPECT_EQ(targets.size(), ids.size()) << "an id is used twice";
        const QStringList links = AttributeValues(html, QStringLiteral("href"));
        EXPECT_FALSE(links.isEmpty());
        for (const QString& link : links) {
            ASSERT_TRUE(link.startsWith(QLatin1Char('#')))
                << "link out of the page: " << link.toStdString();
            EXPECT_TRUE(targets.contains(link.mid(1)))
                << "href=\"" << link.toStdString() << "\" has no id=\"" << link.mid(1).toStdString()
                << "\"";
        }
    }
}

TEST(HelpPages, TableOfContentsListsEverySection) {
    for (const HelpPage& page : kPages) {
        SCOPED_TRACE(page.language);
        const QString html = ReadText(page);
        const qsizetype start = html.indexOf(QStringLiteral("<nav"));
        const qsizetype end = html.indexOf(QStringLiteral("</nav>"));
        ASSERT_GE(start, 0) << "no table of contents";
        ASSERT_GT(end, start);
        const QStringList links =
            AttributeValues(html.mid(start, end - start), QStringLiteral("href"));
        QStringList expected;
        for (const QString& id : kSections) expected << QLatin1Char('#') + id;
        EXPECT_EQ(links, expected) << "the contents do not list the sections in order";
    }
}

TEST(HelpPages, BothLanguagesCoverEverySectionInOrder) {
    for (const HelpPage& page : kPages) {
        SCOPED_TRACE(page.language);
        const QStringList sections = SectionIds(ReadText(page));
        EXPECT_EQ(sections, kSections)
            << "found: " << sections.join(QLatin1Char(' ')).toStdString();
    }
}

TEST(HelpPages, SectionsAreNotEmpty) {
    for (const HelpPage& page : kPages) {
        SCOPED_TRACE(page.language);
        const QString html = ReadText(page);
        for (const QString& id : kSections) {
            const qsizetype start = html.indexOf(QStringLiteral("<section id=\"%1\"").arg(id));
            ASSERT_GE(start, 0) << id.toStdString();
            const qsizetype end = html.indexOf(QStringLiteral("</section>"), start);
            ASSERT_GT(end, start) << id.toStdString();
            QString text = html.mid(start, end - start);
            text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
            EXPECT_GT(text.simplified().size(), 300)
                << "section " << id.toStdString() << " says next to nothing";
        }
    }
}

TEST(HelpPages, PagesAreSelfContained) {
    for (const HelpPage& page : kPages) {
        SCOPED_TRACE(page.language);
        const QString html = ReadText(page);
        ASSERT_FALSE(html.isEmpty());
        EXPECT_FALSE(html.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
        EXPECT_FALSE(html.contains(QStringLiteral("<link"), Qt::CaseInsensitive));
        EXPECT_FALSE(html.contains(QStringLiteral("<img"), Qt::CaseInsensitive));
        EXPECT_FALSE(html.contains(QStringLiteral("<iframe"), Qt::CaseInsensitive));
        EXPECT_FALSE(html.contains(QStringLiteral("@import"), Qt::CaseInsensitive));
        EXPECT_FALSE(html.contains(QStringLiteral("url("), Qt::CaseInsensitive));
        EXPECT_TRUE(AttributeValues(html, QStringLiteral("src")).isEmpty());
    }
}

TEST(HelpPages, ElementsAreProperlyNested) {
    for (const HelpPage& page : kPages) {
        SCOPED_TRACE(page.language);
        const QString html = ReadText(page);
        ASSERT_FALSE(html.isEmpty());
        EXPECT_EQ(NestingFault(html), "");
    }
}

TEST(HelpPages, NestingCheckFindsFaults) {
    EXPECT_EQ(NestingFault(QStringLiteral("<p>a <em>b</em><br>c</p>")), "");
    EXPECT_EQ(NestingFault(QStringLiteral("<p>a <em>b</p></em>")), "</p> closes <em>");
    EXPECT_EQ(NestingFault(QStringLiteral("<div><p>a</p>")), "<div> is never closed");
    EXPECT_EQ(NestingFault(QStringLiteral("a</td>")), "</td> closes nothing");
    EXPECT_EQ(NestingFault(QStringLiteral("<!-- <b> --><style>p > a {}</style><i>x</i>")), "");
}

TEST(HelpPages, KeysOfTheBoardAreExplained) {
    for (const HelpPage& page : kPages) {
        SCOPED_TRACE(page.language);
        const QString html = ReadText(page);
        const qsizetype start = html.indexOf(QStringLiteral("<section id=\"keys\""));
        ASSERT_GE(start, 0);
        const QString keys =
            html.mid(start, html.indexOf(QStringLiteral("</section>"), start) - start);
        for (const char* key : {"<kbd>F1</kbd>", "<kbd>F2</kbd>", "<kbd>F3</kbd>", "<kbd>Esc</kbd>",
                                "ShipLines.txt"}) {
            EXPECT_TRUE(keys.contains(QString::fromLatin1(key))) << key;
        }
    }
}

TEST(HelpPages, GermanPageIsWrittenWithProperLetters) {
    const QString html = ReadText(kPages[1]);
    ASSERT_FALSE(html.isEmpty());
    EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"de\">")));
    for (const QString& letter : {QStringLiteral("ä"), QStringLiteral("ö"), QStringLiteral("ü"),
                                  QStringLiteral("ß"), QStringLiteral("Ä"), QStringLiteral("Ü")}) {
        EXPECT_TRUE(html.contains(letter)) << letter.toStdString();
    }
    for (const QString& word :
         {QStringLiteral("Kriegsmarine"), QStringLiteral("Versorgungsschiff"),
          QStringLiteral("U-Boot"), QStringLiteral("Korvette"), QStringLiteral("Zerstörer"),
          QStringLiteral("Fregatte"), QStringLiteral("Leichter Kreuzer"),
          QStringLiteral("Schwerer Kreuzer"), QStringLiteral("Schlachtschiff"),
          QStringLiteral("Flugzeugträger"), QStringLiteral("Minenfeld"),
          QStringLiteral("Aufklärungsflugzeug"), QStringLiteral("Geleitzug")}) {
        EXPECT_TRUE(html.contains(word)) << word.toStdString();
    }
    // Spelled out with the proper letters, not as "ae", "oe", "ue".
    for (const QString& word : {QStringLiteral("Zerstoerer"), QStringLiteral("Flugzeugtraeger"),
                                QStringLiteral("Aufklaerung"), QStringLiteral("Hauptmenue")}) {
        EXPECT_FALSE(html.contains(word)) << word.toStdString();
    }
}

TEST(HelpPages, EnglishPageIsEnglish) {
    const QString html = ReadText(kPages[0]);
    ASSERT_FALSE(html.isEmpty());
    EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"en\">")));
    EXPECT_TRUE(html.contains(QStringLiteral("destroyer")));
    EXPECT_FALSE(html.contains(QStringLiteral("Zerstörer")));
}

}  // namespace
}  // namespace kvd
