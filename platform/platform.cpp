#include "platform/platform.h"

namespace kvd {

Platform MakeRealPlatform(const QString& programFolder) {
    Platform p;
    p.screen = std::make_unique<LogicalScreen>();
    p.pacing = std::make_unique<RealPacing>();
    p.random = std::make_unique<ClockRandom>();
    p.boxes = std::make_unique<QtMessageBoxes>();
    p.files = std::make_unique<Files>(programFolder);
    p.resources = std::make_unique<Resources>();
    p.sound = std::make_unique<QtSound>(*p.resources, *p.pacing);
    p.shell = std::make_unique<DesktopShell>(*p.files);
    p.cursor = std::make_unique<QtCursor>();
    p.fonts = std::make_unique<Fonts>();
    return p;
}

}  // namespace kvd
