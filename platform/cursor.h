#pragma once
#include <vector>

class QWidget;

namespace kvd {

enum class CursorShape { Hidden, Arrow, Hand };

// The mouse cursor over a window.
class Cursor {
  public:
    virtual ~Cursor() = default;
    virtual void Set(QWidget* window, CursorShape shape) = 0;
};

class RecordingCursor : public Cursor {
  public:
    void Set(QWidget* window, CursorShape shape) override {
        (void)window;
        shapes_.push_back(shape);
    }
    CursorShape Last() const { return shapes_.empty() ? CursorShape::Arrow : shapes_.back(); }
    const std::vector<CursorShape>& Shapes() const { return shapes_; }

  private:
    std::vector<CursorShape> shapes_;
};

}  // namespace kvd
