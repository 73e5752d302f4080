#include <QPainter>

#include "board/battle_lines.h"
#include "board/main_form.h"
#include "core/context.h"
#include "core/game.h"
#include "play/battle_notes.h"

// The battle's state and its log in the band's right half: white on black like the report line,
// good news in green, bad news in red.
namespace kvd {

namespace {
QColor ToneColour(BattleLine::Tone tone) {
    switch (tone) {
        case BattleLine::Good:
            return QColor(150, 230, 150);
        case BattleLine::Bad:
            return QColor(255, 160, 120);
        case BattleLine::Plain:
            break;
    }
    return Qt::white;
}
}  // namespace

namespace {
// The room between a box's frame and its text.
int Padding(const QRect& box) {
    return qMax(3, box.height() / 30);
}

// The band's boxes share their height: from just under the report line to the band's foot.
QRect BandBox(const BoardGeometry& g, int leftPercent, int rightPercent) {
    return QRect(QPoint(g.width * leftPercent / 100, g.height * 846 / 1000),
                 QPoint(g.width * rightPercent / 100 - 1, g.height * 996 / 1000 - 1));
}

// A line cut into rows of the width at its blanks, so it reads whole in the box; a word wider
// than a row alone is cut with an ellipsis.
QStringList Rows(const QString& text, const QFontMetrics& metrics, int width, int indent) {
    QStringList rows;
    QString row;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        const int room = rows.isEmpty() ? width : width - indent;
        const QString longer = row.isEmpty() ? word : row + QLatin1Char(' ') + word;
        if (row.isEmpty() || metrics.horizontalAdvance(longer) <= room) {
            row = longer;
            continue;
        }
        rows << metrics.elidedText(row, Qt::ElideRight, room);
        row = word;
    }
    rows << metrics.elidedText(row, Qt::ElideRight, rows.isEmpty() ? width : width - indent);
    return rows;
}

// White-framed black box with lines of text, each over as many rows as it needs (the rows after
// its first indented); as many rows as fit.
void DrawLines(QPainter& painter, const QRect& box, const std::vector<BattleLine>& lines,
               int ruleAfter) {
    painter.setPen(Qt::white);
    painter.setBrush(Qt::black);
    painter.drawRect(box);
    const QFontMetrics metrics(painter.font());
    const int pad = Padding(box);
    const QRect inner = box.adjusted(pad + 3, pad, -pad - 3, -pad);
    const int indent = metrics.averageCharWidth() * 2;
    int y = inner.top();
    for (size_t k = 0; k < lines.size(); ++k) {
        painter.setPen(ruleAfter > 0 && int(k) < ruleAfter ? QColor(235, 225, 180)
                                                           : ToneColour(lines[k].tone));
        const QStringList rows = Rows(lines[k].text, metrics, inner.width(), indent);
        for (int r = 0; r < rows.size(); ++r) {
            if (y + metrics.height() > inner.bottom() + 1) return;
            painter.drawText(QPoint(inner.left() + (r > 0 ? indent : 0), y + metrics.ascent()),
                             rows[r]);
            y += metrics.height();
        }
    }
}
}  // namespace

QRect TMainForm::LogBox() const {
    return BandBox(geometry_, 37, 71);
}
QRect TMainForm::StateBox() const {
    return BandBox(geometry_, 83, 97);
}

void TMainForm::DrawBand(const Picture& band) {
    const bool boardAsLeft = Canvas().cacheKey() == canvasAfterSnapshot_;
    band.StretchDraw(Canvas(), geometry_.BottomBand());
    DrawBattle();
    // The band lies below the board: the board area still shows the snapshot as it did.
    if (boardAsLeft) canvasAfterSnapshot_ = Canvas().cacheKey();
}

void TMainForm::ShowBattle(std::shared_ptr<const BattleBand> battle) {
    battle_ = std::move(battle);
    if (!isVisible()) return;
    const bool boardAsLeft = Canvas().cacheKey() == canvasAfterSnapshot_;
    DrawBattle();
    if (boardAsLeft) canvasAfterSnapshot_ = Canvas().cacheKey();
    CanvasChanged(LogBox().adjusted(0, 0, 1, 1));
    CanvasChanged(StateBox().adjusted(0, 0, 1, 1));
}

namespace {
QFont BandFont(const QFont& base, int screenHeight) {
    QFont font = base;
    font.setPixelSize(qMax(10, screenHeight * 15 / 1000));
    return font;
}
}  // namespace

int TMainForm::LogLines() const {
    const QRect box = LogBox();
    return (box.height() - 2 * Padding(box)) /
           QFontMetrics(BandFont(font(), geometry_.height)).height();
}

void TMainForm::DrawBattle() {
    // A decided battle keeps its band while the board still shows it (a replay's last move).
    if (!battle_ || (!game_.GameActive && !game_.GameOver)) return;
    QPainter painter(&Canvas());
    painter.setClipRect(geometry_.BottomBand());  // never over the board
    painter.setFont(BandFont(font(), geometry_.height));
    const LanguageTexts& texts = context_.texts;
    // The log's box shows once there is something to tell.
    const QRect log = LogBox();
    const std::vector<BattleLine> told = BattleLogLines(*battle_, texts, LogLines());
    if (!told.empty()) DrawLines(painter, log, told, 0);
    DrawLines(painter, StateBox(), BattleStateLines(*battle_, texts), 1);
}

}  // namespace kvd
