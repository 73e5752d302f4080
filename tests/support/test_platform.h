#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "platform/platform.h"

namespace kvd::test {

// A platform of test services over a fresh temporary program folder: a screen of a set size,
// virtual time, scripted random and message boxes, recorded sounds, shell and cursor, and the
// test resources embedded under :/testassets.
class TestPlatform {
  public:
    explicit TestPlatform(int screenWidth = 1024, int screenHeight = 768);

    Platform& Services() { return platform_; }
    // Switches to the program's own built-in pictures and sounds (:/assets), for tests that
    // draw real sprites; the test program must link them.
    void UseBuiltInAssets();
    FixedScreen& Screen() { return *screen_; }
    VirtualPacing& Pacing() { return *pacing_; }
    ScriptedRandom& Random() { return *random_; }
    ScriptedMessageBoxes& Boxes() { return *boxes_; }
    RecordingSound& Sound() { return *sound_; }
    RecordingShell& Shell() { return *shell_; }
    RecordingCursor& Cursor() { return *cursor_; }
    Files& Folder() { return *platform_.files; }

    // The absolute path of a file in the program folder ("config/last.cfg").
    QString Path(const QString& relative) const;
    // Writes a file in the program folder with these bytes, making its folders.
    void WriteFile(const QString& relative, const QByteArray& bytes);
    // Writes lines joined by CR LF, each line ended.
    void WriteLines(const QString& relative, const QStringList& lines);
    QByteArray ReadFile(const QString& relative) const;
    // Copies a file or folder of the source tree's data/ into the program folder.
    void CopyData(const QString& relative);

  private:
    QTemporaryDir dir_;
    Platform platform_;
    FixedScreen* screen_;
    VirtualPacing* pacing_;
    ScriptedRandom* random_;
    ScriptedMessageBoxes* boxes_;
    RecordingSound* sound_;
    RecordingShell* shell_;
    RecordingCursor* cursor_;
};

// The source tree's data folder.
QString DataDir();

}  // namespace kvd::test
