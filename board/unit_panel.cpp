#include "board/unit_panel.h"

#include <QPainter>

#include "board/board_painter.h"
#include "board/game_pictures.h"
#include "board/main_form.h"
#include "board/scene.h"
#include "core/context.h"
#include "core/game.h"
#include "core/text_ids.h"
#include "platform/colors.h"
#include "platform/platform.h"
#include "play/combat.h"

namespace kvd {

namespace {
constexpr quint32 kPictureBox = 15191990;

// A panel line: black text on a white ground, the k-th line from 87 % of the height, right of the
// picture box. Lines are a font's height apart, so no line covers the one above.
void PanelLine(Scene& s, int k, const QString& text) {
    TMainForm& board = s.paint.Board();
    const Screen& screen = *s.context.platform.screen;
    QPainter painter(&board.Canvas());
    QFont font = painter.font();
    font.setPixelSize(qMax(11, screen.Height() * 17 / 1000));
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QPoint at(s.paint.X(20), WorkHeight(screen, 87) + k * (metrics.height() + 1));
    painter.fillRect(QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())),
                     Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(at + QPoint(0, metrics.ascent()), text);
    board.CanvasChanged();
}
}  // namespace

QString StrengthText(int code, int strength, bool joining) {
    // Minefields keep their strength to themselves, and so do the submarines but one slot of
    // each fleet: the host's first submarine (3) shows it, and the joining player's last three
    // (30 to 32) do, as the panel has always shown them.
    const bool secret =
        IsMinefield(code) || (IsSubmarine(code) && (joining ? code <= 29 : code != 3));
    return secret ? QStringLiteral("XXX   ") : QString::number(strength) + QStringLiteral("     ");
}

void DrawUnitPanel(Scene& s, int i) {
    if (!s.paint.Seen()) return;
    const Game& g = s.game;
    const UnitTable& table = g.scratchpad;
    const Settings& settings = s.context.settings;
    const LanguageTexts& texts = s.context.texts;
    const int code = table.Code(i);

    // The joining player's units are the second side's: its names and kinds as the fleet file
    // has them, and its own flagship slots.
    const bool joining = g.NetRole == net_role::kJoining;
    const Fighter& own = joining ? g.Enemy : g.Player;
    QString name = own.Name;
    if (code == 20 && settings.HomeNavy == QLatin1Char('E'))
        name = QStringLiteral("HMS Prince Of Wales");
    if (code == 44 && joining && settings.HomeNavy == QLatin1Char('D'))
        name = QStringLiteral("HMS Prince Of Wales");
    PanelLine(s, 0, name);
    const QString german = joining ? QString() : GermanKindName(code, g);
    const QString& kind = own.KindName;
    PanelLine(s, 1, settings.Language == QLatin1Char('D') && !german.isEmpty() ? german : kind);
    PanelLine(s, 2, texts.Text(text::kStrength) + StrengthText(code, table.Strength(i), joining));
    int status = 47 + qBound(0, table.DamageState(i), 2);
    if ((code == 21 || code == 22 || code == 45 || code == 46) && table.RepairCount(i) > 2)
        status = 50;
    PanelLine(s, 3, texts.Text(status));

    const Screen& screen = *s.context.platform.screen;
    const QRect box(QPoint(s.paint.X(4), WorkHeight(screen, 86)),
                    QPoint(WorkWidth(screen, 18) - 1, WorkHeight(screen, 97) - 1));
    {
        QPainter painter(&s.paint.Board().Canvas());
        painter.setPen(Qt::white);
        painter.setBrush(BgrColor(kPictureBox));
        painter.drawRect(box);
    }
    const Picture* picture = joining
                                 ? SpriteForCode(s.pictures.FirstSet, code, SpriteBoard::JoiningOwn)
                                 : SpriteForCode(s.pictures.FirstSet, code);
    s.paint.DrawInRect(picture, box.adjusted(1, 1, 0, 0));
}

}  // namespace kvd
