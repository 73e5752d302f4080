#include "campaign/battle_chart.h"

#include <QPainter>
#include <algorithm>
#include <functional>

namespace kvd {

namespace {
constexpr int kLeft = 30, kRight = 8, kTop = 38, kBottom = 18;
const QColor kBackground(12, 20, 34);
const QColor kRule(90, 100, 120);
const QColor kWords(220, 214, 190);

// A cross for a capital ship lost, a pennant for a flag passed, centred on a point: the
// colour over a black rim, so a mark stands out on the dark ground and beside the bars.
void DrawMark(QPainter& p, BattleCourse::Mark::Kind kind, QPoint at, int size,
              const QColor& colour) {
    const int a = size / 2;
    if (kind == BattleCourse::Mark::CapitalSunk) {
        for (const auto& [ink, grow] : {std::pair{QColor(Qt::black), 2}, std::pair{colour, 0}}) {
            const int t = qMax(1, size / 6) + grow / 2;
            p.fillRect(QRect(at.x() - a - grow / 2, at.y() - t, 2 * a + grow, 2 * t + 1), ink);
            p.fillRect(QRect(at.x() - t, at.y() - a - grow / 2, 2 * t + 1, 2 * a + grow), ink);
        }
        return;
    }
    const int pole = at.x() - a + 1;
    p.fillRect(QRect(pole - 1, at.y() - a, 3, size + 1), Qt::black);
    p.fillRect(QRect(pole, at.y() - a, 1, size + 1), colour);
    const QPoint flag[3] = {QPoint(pole + 1, at.y() - a), QPoint(at.x() + a, at.y() - a / 2),
                            QPoint(pole + 1, at.y())};
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour);
    p.drawPolygon(flag, 3);
}

// The legend along the top: the two navies' colours, then the two marks.
// The legend along the top: the two navies' colours, then the two marks; in a smaller hand
// where the chart is narrow, so it keeps within it.
void DrawLegend(QPainter& p, QSize size, const ChartWords& words) {
    const QStringList texts{words.first, words.second, words.capitalSunk, words.flagTransfer};
    QFont font = p.font();
    for (; font.pixelSize() > 8; font.setPixelSize(font.pixelSize() - 1)) {
        const QFontMetrics m(font);
        int width = kLeft;
        for (const QString& text : texts)
            width += qMax(kMarkSize, m.height() - 2) + 4 + m.horizontalAdvance(text) + 14;
        if (width <= size.width()) break;
    }
    p.save();
    p.setFont(font);
    const QFontMetrics m(font);
    int x = kLeft;
    const int y = 4, box = qMax(kMarkSize, m.height() - 2);
    const auto item = [&](const QString& text, const std::function<void(QPoint)>& glyph) {
        glyph(QPoint(x + box / 2, y + m.height() / 2));
        x += box + 4;
        p.setPen(kWords);
        p.drawText(QPoint(x, y + m.ascent()), text);
        x += m.horizontalAdvance(text) + 14;
    };
    for (const Side side : {kFirstSide, kSecondSide})
        item(side == kFirstSide ? words.first : words.second, [&](QPoint c) {
            p.fillRect(QRect(c.x() - box / 2, c.y() - box / 2, box, box), ChartColour(side));
        });
    item(words.capitalSunk, [&](QPoint c) {
        DrawMark(p, BattleCourse::Mark::CapitalSunk, c, box, QColor(240, 240, 240));
    });
    item(words.flagTransfer, [&](QPoint c) {
        DrawMark(p, BattleCourse::Mark::FlagTransfer, c, box, QColor(240, 240, 240));
    });
    p.restore();
}
}  // namespace

QColor ChartColour(Side side) {
    return side == kFirstSide ? QColor(120, 170, 230) : QColor(225, 110, 90);
}

QPoint MarkCentre(QSize size, int turns, int turn, int nth) {
    // Side by side to the right, or to the left where the chart ends.
    const QRect slot = TurnSlot(size, turns, turn);
    const int offset = nth * (kMarkSize + 1);
    const bool room = slot.center().x() + offset + kMarkSize / 2 < size.width() - 1;
    return QPoint(slot.center().x() + (room ? offset : -offset), kTop - kMarkSize / 2 - 2);
}

QRect ChartPlot(QSize size) {
    return QRect(QPoint(kLeft, kTop), QPoint(size.width() - kRight - 1, size.height() - kBottom));
}

QRect TurnSlot(QSize size, int turns, int turn) {
    const QRect plot = ChartPlot(size);
    const int count = qMax(1, turns + 1);
    const int left = plot.left() + plot.width() * turn / count;
    const int right = plot.left() + plot.width() * (turn + 1) / count;
    return QRect(QPoint(left, plot.top()), QPoint(right - 1, plot.bottom()));
}

QImage DrawBattleChart(const BattleCourse& course, QSize size, const ChartWords& words) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter p(&image);
    QFont font = p.font();
    font.setPixelSize(qBound(9, size.height() / 12, 13));
    p.setFont(font);
    DrawLegend(p, size, words);
    const QRect plot = ChartPlot(size);
    int most = 1;
    for (const auto& afloat : course.afloat) most = std::max({most, afloat[0], afloat[1]});
    // The scale: a rule and its number at the most ships and at half of them.
    p.setPen(kRule);
    for (const int n : {most, most / 2}) {
        const int y = plot.bottom() - plot.height() * n / most;
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(kWords);
        p.drawText(QRect(0, y - 8, kLeft - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(n));
        p.setPen(kRule);
    }
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    const int turns = course.Turns();
    for (int t = 0; t <= turns; ++t) {
        const QRect slot = TurnSlot(size, turns, t);
        const int gap = slot.width() >= 6 ? 1 : 0;
        const int half = slot.width() / 2;
        for (int s = 0; s < 2; ++s) {
            const int h = plot.height() * course.afloat[size_t(t)][size_t(s)] / most;
            const QRect bar(slot.left() + s * half, plot.bottom() - h + 1, half - gap, h);
            p.fillRect(bar, ChartColour(s == 0 ? kFirstSide : kSecondSide));
        }
    }
    // Turn numbers under the plot, as many as have room.
    p.setPen(kWords);
    const QFontMetrics m(font);
    const int every = qMax(
        1, (m.horizontalAdvance(QStringLiteral("000")) + 6) * (turns + 1) / qMax(1, plot.width()));
    // The word for the axis at its right end; a number that would run into it is left out.
    const int wordWidth = m.horizontalAdvance(words.turns);
    const QRect word(plot.right() - wordWidth, plot.bottom() + 2, wordWidth + 1, kBottom - 2);
    p.drawText(word, Qt::AlignRight | Qt::AlignTop, words.turns);
    for (int t = 0; t <= turns; t += every) {
        const QString number = QString::number(t);
        const int w = m.horizontalAdvance(number);
        const QRect at(TurnSlot(size, turns, t).center().x() - w / 2, plot.bottom() + 2, w,
                       kBottom - 2);
        if (!at.adjusted(-4, 0, 4, 0).intersects(word))
            p.drawText(at, Qt::AlignHCenter | Qt::AlignTop, number);
    }
    // The marks stand just over the plot above their turn's slot, side by side where a turn
    // has more than one (a flagship lost and its flag passed on).
    std::vector<int> stacked(size_t(turns) + 1, 0);
    for (const BattleCourse::Mark& mark : course.marks) {
        if (mark.turn < 0 || mark.turn > turns) continue;
        const int next = stacked[size_t(mark.turn)]++;
        DrawMark(p, mark.kind, MarkCentre(size, turns, mark.turn, next), kMarkSize,
                 ChartColour(mark.side));
    }
    return image;
}

}  // namespace kvd
