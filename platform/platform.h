#pragma once
#include <QString>
#include <memory>

#include "platform/cursor.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/pacing.h"
#include "platform/random.h"
#include "platform/resources.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/sound.h"

namespace kvd {

// Every platform service the game uses, one of each. The program object owns one; tests
// build one with the test implementations.
struct Platform {
    std::unique_ptr<Screen> screen;
    std::unique_ptr<Pacing> pacing;
    std::unique_ptr<Random> random;
    std::unique_ptr<MessageBoxes> boxes;
    std::unique_ptr<Files> files;
    std::unique_ptr<Resources> resources;
    std::unique_ptr<Sound> sound;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<Cursor> cursor;
    std::unique_ptr<Fonts> fonts;
};

}  // namespace kvd
