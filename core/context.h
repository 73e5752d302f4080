#pragma once
#include <QStringList>

#include "core/game_variables.h"
#include "core/language_texts.h"
#include "core/settings.h"

namespace kvd {

struct Platform;

// What every window of the program shares: the platform services, the settings with the
// lines of the settings file they came from, the language texts and the game variables.
// The program object owns one; a test builds one over the test platform.
struct Context {
    explicit Context(Platform& services) : platform(services) {}
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    Platform& platform;
    Settings settings;
    QStringList settingsLines;  // the settings file as loaded, written back on submit
    LanguageTexts texts;
    GameVariables game;
};

}  // namespace kvd
