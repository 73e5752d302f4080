#pragma once
#include <QColor>
#include <QDateTime>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

namespace kvd {

class Picture;
class Screen;
class TMainForm;
struct Context;
struct GamePictures;

// What the turn rules draw straight onto the board window between two compositions of the
// board: report lines in the bottom band, single units and markers in their cells, cells
// wiped back to the clean map. Everything goes to the window's canvas and shows at once.
class BoardPainter {
  public:
    BoardPainter(TMainForm& board, GamePictures& pictures, Context& context);

    QRect Cell(int column, int row) const;
    // x of a percentage of the screen width, as the band's texts are placed (width / 100 * p).
    int X(int percent) const;

    // The report box: black with a white frame from x = left % to right % of the width,
    // between 81 % and 84 % of the height.
    void ReportBox(int leftPercent = 8, int rightPercent = 97);
    QRect ReportArea(int leftPercent = 8, int rightPercent = 97) const;
    // White text with its top at `yPercent` of the height. Text that starts inside the report
    // box stays inside it: what does not fit is cut, ending in an ellipsis.
    void Write(int xPercent, int yPercent, const QString& text);
    // The same in a font of `pixels` (0: the report's own size for this screen).
    void Write(int xPercent, int yPercent, const QString& text, int pixels);
    // A whole report line: the box, then the text followed by the date and time.
    void Report(const QString& text, int xPercent = 12, int leftPercent = 8, int rightPercent = 97);
    QString Now() const;
    // The time report lines end with: a replay shows its battle's own, not the watching's. An
    // invalid time is the clock's again; a replay of a record without one shows none.
    void SetClock(std::optional<QDateTime> fixed) { clock_ = std::move(fixed); }
    // The text of the last report line, without its time.
    const QString& LastReport() const { return lastReport_; }

    // Wipes a cell back to the clean map.
    void RestoreCell(int column, int row);
    void RestoreRect(const QRect& rect);
    // Stretches a picture (nothing for nullptr) into a cell or a rectangle of the window.
    void DrawInCell(const Picture* picture, int column, int row);
    void DrawInRect(const Picture* picture, const QRect& rect);
    // A picture over the bottom band.
    void DrawBand(const Picture& picture);
    // The suggested move's frame around a cell, in the hint's colour.
    void DrawHintFrame(int column, int row);
    // The green frame of a cell the selected unit may step to, drawn at the screen's own pixels
    // (a picture stretched to the cell would blur its lines on a scaled screen).
    void DrawTargetFrame(int column, int row);

    // What the window shows in an area, and a copy of it put back (for marks drawn over the
    // board for a moment: the keyboard's cursor, the fight forecast).
    QImage Grab(const QRect& area) const;
    void PutBack(const QImage& pixels, QPoint at);
    // The keyboard's cell cursor: a white frame inside a black one, seen on water, land and
    // every navy's pictures.
    void DrawCursorFrame(int column, int row);

    // The board snapshot taken from what the window shows, and put back onto it.
    void TakeSnapshot();
    void RedrawBoard();

    // Sounds: the setting decides, or the sound plays whatever it says.
    void Play(const QString& name, bool wait);
    void PlayAlways(const QString& name, bool wait);
    // The game's wait: false when the rule must stop (the game was left, the program ends).
    bool Delay(int ms);
    // A replay may show moves faster: waits are shortened by the factor, sounds do not hold
    // the showing up.
    void SetSpeed(int factor) { speed_ = qMax(1, factor); }

    TMainForm& Board() { return board_; }
    bool Seen() const;
    const Screen& TheScreen() const;

  private:
    void Changed(const QRect& area);
    // A frame inside a cell, `inset` from its edge: a rim, and a line over the rim's middle.
    void DrawFrame(int column, int row, const QColor& rim, int rimWidth, const QColor& line,
                   int width, int inset);

    TMainForm& board_;
    GamePictures& pictures_;
    Context& context_;
    int speed_ = 1;
    QRect reportBox_;  // the inside of the last report box drawn
    QString lastReport_;
    std::optional<QDateTime> clock_;
};

// The colour of the suggested move's frames: cyan, apart from every other mark of the board
// (the green targets, the amber repair marker, the white band frames).
inline QColor HintFrameColour() {
    return QColor(0, 220, 255);
}

// The picture of a unit code from a picture set as a fight or a step draws it: submarine
// slots 3 and 32 have none.
const Picture* FightPicture(const GamePictures& pictures, bool secondSet, int code);

}  // namespace kvd
