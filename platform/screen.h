#pragma once

namespace kvd {

// The screen the game lays itself out on. On a display wider than 1280 pixels this is the
// logical screen after scaling (see ApplyHiDpiRule), never the physical one.
class Screen {
  public:
    virtual ~Screen() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

// The primary screen as Qt reports it (logical pixels).
class LogicalScreen : public Screen {
  public:
    int Width() const override;
    int Height() const override;
};

// A screen of any size a test sets.
class FixedScreen : public Screen {
  public:
    FixedScreen(int width, int height) : width_(width), height_(height) {}
    void Set(int width, int height) { width_ = width, height_ = height; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }

  private:
    int width_;
    int height_;
};

// p percent of the screen height (width), truncated toward zero: 80 % of 768 is 614.
int WorkHeight(const Screen& screen, int p);
int WorkWidth(const Screen& screen, int p);

// The widest screen the game lays out for; wider displays are scaled up to it.
constexpr int kLogicalScreenWidth = 1280;

// Scale factor that makes a display of this width 1280 logical pixels wide (1 when narrower).
double HiDpiScaleFactor(int displayWidth);

// Must run before the QApplication exists: measures the primary display with a short-lived
// Qt instance and, when it is wider than 1280, sets Qt's scale factor so the logical screen
// is 1280 wide. Returns the factor it applied (1 when none). A factor the user already set in
// QT_SCALE_FACTOR is respected and measured with.
double ApplyHiDpiRule(int argc, char** argv);

}  // namespace kvd
