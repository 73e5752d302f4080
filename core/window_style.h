#pragma once

class QWidget;

namespace kvd {

// The look every full-screen game window shares: titled "Korvald", borderless, black, and
// following the mouse so hover highlights work without a button held.
void StyleFullScreenWindow(QWidget& window);

// A black window background (the about window keeps its frame).
void PaintBlack(QWidget& window);

}  // namespace kvd
