#pragma once
#include <QLabel>
#include <QWidget>

#include "core/program_flow.h"
#include "core/upward_call.h"

namespace kvd {

struct Context;

// A full-screen window whose content is still to come: it shows its heading in the title font
// and goes back to the main menu on Esc or a click.
class PendingWindow : public QWidget {
public:
    PendingWindow(Context& context, int headingMessage, QWidget* parent = nullptr);
    // Shows the window over the whole screen, relabelled in the current language.
    void ShowFullScreen();
    UpwardCall<ProgramFlow> flow{"a window still to come to the program"};

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Back();
    Context& context_;
    int headingMessage_;
    QLabel* heading_;
};

}  // namespace kvd
