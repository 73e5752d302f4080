#pragma once
#include "core/language_texts.h"
#include "core/rule_guard.h"
#include "core/settings.h"
#include "platform/platform.h"

namespace kvd {

// What every window of the program shares besides the game: the platform services, the
// settings with the lines of the settings file they came from, and the language texts.
// The program object owns one; a test builds one over the test platform.
struct Context {
    explicit Context(Platform& services) : platform(services), guard(*services.pacing) {}
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    Platform& platform;
    Settings settings;
    SettingsLines settingsLines;  // the settings file as loaded, written back on submit
    LanguageTexts texts;
    // The one guard of the rules: whether a rule is running, and its waits (see RuleGuard).
    RuleGuard guard;
};

}  // namespace kvd
