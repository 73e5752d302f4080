#pragma once
#include <QImage>
#include <QWidget>

namespace kvd {

// A window whose drawing surface is a screen-sized picture. The game draws into Canvas()
// at any time (rules draw straight "onto the window"); paintEvent only copies the picture
// to the screen, so a repaint never recomposes anything. Tests read the canvas pixel by pixel.
class CanvasWindow : public QWidget {
  public:
    explicit CanvasWindow(QWidget* parent = nullptr);

    QImage& Canvas() { return canvas_; }
    const QImage& Canvas() const { return canvas_; }
    // Sizes the canvas (contents are kept where they fit; new area is the background colour).
    void ResizeCanvas(int width, int height);
    void SetCanvasBackground(const QColor& colour);
    // Asks for the canvas to be shown; call after drawing into it. Only the area drawn is
    // copied to the screen again when it is given.
    void CanvasChanged() { update(); }
    void CanvasChanged(const QRect& area) { update(area); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage canvas_;
    QColor background_ = Qt::black;
};

}  // namespace kvd
