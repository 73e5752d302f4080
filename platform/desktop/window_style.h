#pragma once

#include <QColor>

class QPixmap;
class QSize;
class QWidget;

namespace kvd {

class Resources;

// A built-in JPEG picture for a label; a plain dark panel of the given size stands in when the
// picture is not built in.
QPixmap PicturePixmap(const Resources& resources, const QString& name, const QSize& fallback);

// The colours of every menu and label text, and of the entry under the mouse.
QColor MenuTextColour();   // red 209, green 191, blue 165
QColor MenuHoverColour();  // red 245, green 210, blue 129
// A style sheet that colours a label's text.
QString TextColourSheet(const QColor& colour);

// The look every full-screen game window shares: titled "Korvald", borderless, black, and
// following the mouse so hover highlights work without a button held.
void StyleFullScreenWindow(QWidget& window);

// Brings a shown window to the front with the keyboard, so its Esc and Return reach it even
// where no window manager hands out the focus.
void TakeKeyboard(QWidget& window);

// A black window background (the about window keeps its frame).
void PaintBlack(QWidget& window);

}  // namespace kvd
