#include "platform/desktop/real_platform.h"

#include "platform/desktop/qt_cursor.h"
#include "platform/desktop/qt_message_boxes.h"
#include "platform/desktop/qt_sound.h"

namespace kvd {

Platform MakeRealPlatform(const QString& programFolder) {
    Platform p;
    p.screen = std::make_unique<LogicalScreen>();
    p.pacing = std::make_unique<RealPacing>();
    p.random = std::make_unique<ClockRandom>();
    p.boxes = std::make_unique<QtMessageBoxes>();
    // An installed game, or a program folder it may not write, keeps the player's files in
    // the player's own folder; the settings start there as a copy of the shipped ones.
    const FileRoots roots = FindFileRoots(programFolder, UserDataFolder(), FolderWritable);
    if (roots.user.isEmpty()) {
        p.files = std::make_unique<Files>(roots.shipped);
    } else {
        p.files = std::make_unique<Files>(roots.shipped, roots.user);
        const QString settings = QStringLiteral("config\\last.cfg");
        p.files->Copy(settings, settings);  // refused once the player has one
    }
    p.resources = std::make_unique<Resources>();
    p.sound = std::make_unique<QtSound>(*p.resources, *p.pacing);
    p.shell = std::make_unique<DesktopShell>(*p.files);
    p.cursor = std::make_unique<QtCursor>();
    p.fonts = std::make_unique<Fonts>();
    return p;
}

}  // namespace kvd
