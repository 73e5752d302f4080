#include "core/language_texts.h"

#include "platform/files.h"
#include "platform/platform.h"

namespace kvd {

namespace {
// Said when the other language's file lacks its own words for the report (an old file).
QString FallbackReport(QChar language) {
    return QStringLiteral(
               "The language file %1 is missing or holds no text. The game goes on in %2.")
        .arg(LanguageFile(language),
             language == QLatin1Char('E') ? QStringLiteral("German") : QStringLiteral("English"));
}

enum class Copy { Made, Failed, NoSource };

// The working copy of one language file, and the lines it holds. When the copy cannot be made
// the lines come from the language file itself.
Copy CopyAndLoad(Files& files, const QString& source, QStringList& lines) {
    lines.clear();
    if (!files.Exists(source)) return Copy::NoSource;
    files.Delete(kTextsWorkingCopy);
    if (files.Copy(source, kTextsWorkingCopy)) {
        files.LoadLines(kTextsWorkingCopy, lines);
        return Copy::Made;
    }
    files.LoadLines(source, lines);
    return Copy::Failed;
}
}  // namespace

QString LanguageTexts::Text(int n) const {
    if (n < 0 || n >= MessageList.size()) return {};
    return MessageList[n].mid(3);
}

QString LanguageTexts::TextOr(int n, const QString& english) const {
    const QString text = Text(n);
    return text.isEmpty() ? english : text;
}

void LanguageTexts::MO(int n, int slot) {
    switch (slot) {
        case 1:
            Msg1 = Text(n);
            break;
        case 2:
            Msg2 = Text(n);
            break;
        case 3:
            Msg3 = Text(n);
            break;
        default:
            break;
    }
}

QString LanguageFile(QChar language) {
    return language == QLatin1Char('E') ? kEnglishTexts : kGermanTexts;
}

bool HoldsTexts(const QStringList& lines) {
    for (qsizetype n = 1; n < lines.size(); ++n)
        if (!lines[n].mid(3).trimmed().isEmpty()) return true;
    return false;
}

LanguageSwitch SwitchLanguage(Files& files, QChar language, LanguageTexts& texts) {
    const QChar other = language == QLatin1Char('E') ? QLatin1Char('D') : QLatin1Char('E');
    QStringList lines;
    Copy copy = CopyAndLoad(files, LanguageFile(language), lines);
    bool fellBack = false;
    if (!HoldsTexts(lines)) {
        copy = CopyAndLoad(files, LanguageFile(other), lines);
        fellBack = true;
        if (!HoldsTexts(lines)) return LanguageSwitch::NoTexts;
    }
    texts.MessageList = lines;
    if (copy == Copy::Failed) return LanguageSwitch::CopyFailed;
    return fellBack ? LanguageSwitch::OtherLanguage : LanguageSwitch::Done;
}

LanguageSwitch ChangeLanguage(Platform& platform, QChar language, LanguageTexts& texts) {
    const LanguageSwitch result = SwitchLanguage(*platform.files, language, texts);
    BoxButtonTexts buttons;
    buttons.yes = texts.Text(text::kYesButton);
    buttons.no = texts.Text(text::kNoButton);
    buttons.ok = texts.Text(text::kOkButton);
    platform.boxes->SetButtonTexts(buttons);
    if (result == LanguageSwitch::OtherLanguage) {
        const QString report = texts.TextOr(
            language == QLatin1Char('E') ? text::kEnglishFileBroken : text::kGermanFileBroken,
            FallbackReport(language));
        platform.boxes->Show(BoxKind::Warning,
                             QStringLiteral("   ") + report + QStringLiteral("   "),
                             BoxButtons::Ok);
    }
    return result;
}

void CaptionChain(LanguageTexts& texts, const std::vector<CaptionStep>& steps) {
    // Each control takes the slot's text, then the next control's text is looked up.
    if (steps.empty()) return;
    texts.MO(steps.front().message, 1);
    for (size_t k = 0; k < steps.size(); ++k) {
        steps[k].set(texts.Msg1);
        if (k + 1 < steps.size()) texts.MO(steps[k + 1].message, 1);
    }
}

}  // namespace kvd
