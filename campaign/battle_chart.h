#pragma once
#include <QImage>
#include <QRect>
#include <QString>

#include "play/battle_course.h"

namespace kvd {

// The words a chart is drawn with, in the game's language.
struct ChartWords {
    QString first, second;  // the navies of the first and the second side
    QString capitalSunk, flagTransfer, turns;
};

// Where a chart of a size draws: the plot of the bars, and a turn's slot in it (turn 0 the
// start), the first side's bar in its left half, the second's in its right.
QRect ChartPlot(QSize size);
QRect TurnSlot(QSize size, int turns, int turn);
// Where the nth mark of a turn stands, over the plot.
constexpr int kMarkSize = 12;
QPoint MarkCentre(QSize size, int turns, int turn, int nth);

// The battle's course as the end-of-game window shows it and its picture keeps it: ships afloat
// of each side per turn as bars, a mark over the turn a capital ship sank (a cross) or a
// carrier took over the flag (a pennant), in the colour of the side it befell.
QImage DrawBattleChart(const BattleCourse& course, QSize size, const ChartWords& words);

// The colours of the two sides' bars.
QColor ChartColour(Side side);

}  // namespace kvd
