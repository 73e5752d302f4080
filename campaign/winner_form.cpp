#include "campaign/winner_form.h"

#include "core/context.h"
#include "core/game.h"
#include "core/game_pictures.h"
#include "platform/platform.h"

namespace kvd {

namespace {
// The winning navy's line and its famous ship's, by the navy letter.
QString WinnerText(const LanguageTexts& texts, QChar navy) {
    switch (navy.unicode()) {
        case 'E': return texts.Text(53) + QStringLiteral("\r") + texts.Text(54);
        case 'D': return texts.Text(55) + QStringLiteral("\r") + texts.Text(56);
        case 'U': return texts.Text(68) + QStringLiteral("\r") + texts.Text(69);
        default: return texts.Text(70) + QStringLiteral("\r") + texts.Text(71);
    }
}

QChar Opponent(QChar navy) {
    switch (navy.unicode()) {
        case 'E': return QLatin1Char('D');
        case 'D': return QLatin1Char('E');
        case 'U': return QLatin1Char('J');
        default: return QLatin1Char('U');
    }
}
}  // namespace

TWinnerForm::TWinnerForm(Context& context, Game& game, GamePictures& pictures, QWidget* parent)
    : PendingWindow(context, 14, parent), context_(context), game_(game), pictures_(pictures) {}

void TWinnerForm::ShowEndOfGame() {
    Game& g = game_;
    const QChar home = context_.settings.HomeNavy;
    QString text;
    if (g.Gamestage == 10) text = context_.texts.Text(57) + QStringLiteral("\r") + context_.texts.Text(92);
    else text = WinnerText(context_.texts, g.Gamestage == 8 ? home : Opponent(home));
    context_.platform.boxes->Show(BoxKind::Information, QStringLiteral("   ") + text + QStringLiteral("   "), BoxButtons::Ok);
    g.GameActive = 0;
    g.GameOver = 1;
    Closedown();
    g.GameMode = 0;
    g.NetGame = 0;
    g.NetRole = 0;
    flow->BackToMenu();
}

void TWinnerForm::Closedown() {
    pictures_.Clear();
    // The stored settings again: a stage's temporary settings end with the game.
    LoadSettings(*context_.platform.files, context_.settingsLines, context_.settings);
}

}  // namespace kvd
