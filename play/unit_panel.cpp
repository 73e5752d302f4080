#include "play/unit_panel.h"

#include <QPainter>

#include "core/context.h"
#include "core/game.h"
#include "core/game_pictures.h"
#include "core/main_form.h"
#include "platform/colors.h"
#include "platform/platform.h"
#include "play/board_painter.h"
#include "play/combat.h"
#include "play/scene.h"

namespace kvd {

namespace {
constexpr quint32 kPictureBox = 15191990;

// A panel line: black text on a white ground, top at yPercent of the height.
void PanelLine(Scene& s, int yPercent, const QString& text) {
    TMainForm& board = s.paint.Board();
    const Screen& screen = *s.context.platform.screen;
    QPainter painter(&board.Canvas());
    QFont font = painter.font();
    font.setPixelSize(qMax(11, screen.Height() * 17 / 1000));
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QPoint at(s.paint.X(43), WorkHeight(screen, yPercent));
    painter.fillRect(QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())), Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(at + QPoint(0, metrics.ascent()), text);
    board.CanvasChanged();
}
}  // namespace

void DrawUnitPanel(Scene& s, int i) {
    if (!s.paint.Seen()) return;
    const Game& g = s.game;
    const UnitTable& table = g.scratchpad;
    const Settings& settings = s.context.settings;
    const LanguageTexts& texts = s.context.texts;
    const int code = table.Code(i);

    const QString name = code == 20 && settings.HomeNavy == QLatin1Char('E') ? QStringLiteral("HMS Prince Of Wales")
                                                                              : g.PlayerName;
    PanelLine(s, 87, name);
    const QString german = GermanKindName(code, g);
    PanelLine(s, 89, settings.Language == QLatin1Char('D') && !german.isEmpty() ? german : g.PlayerKindName);
    // Minefields and submarines keep their strength to themselves.
    const bool secret = (code >= 23 && code <= 25) || (code >= 4 && code <= 8);
    const QString strength = secret ? QStringLiteral("XXX   ") : QString::number(table.Strength(i)) + QStringLiteral("     ");
    PanelLine(s, 91, texts.Text(51) + strength);
    int status = 47 + qBound(0, table.DamageState(i), 2);
    if ((code == 21 || code == 22) && table.RepairCount(i) > 2) status = 50;
    PanelLine(s, 93, texts.Text(status));

    const Screen& screen = *s.context.platform.screen;
    const QRect box(QPoint(s.paint.X(4), WorkHeight(screen, 86)),
                    QPoint(WorkWidth(screen, 32) - 1, WorkHeight(screen, 97) - 1));
    {
        QPainter painter(&s.paint.Board().Canvas());
        painter.setPen(Qt::white);
        painter.setBrush(BgrColor(kPictureBox));
        painter.drawRect(box);
    }
    s.paint.DrawInRect(SpriteForCode(s.pictures.FirstSet, code), box.adjusted(1, 1, 0, 0));
}

}  // namespace kvd
