#include "tests/support/test_platform.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#ifndef KORVALD_SOURCE_DIR
#define KORVALD_SOURCE_DIR "."
#endif

namespace kvd::test {

TestPlatform::TestPlatform(int screenWidth, int screenHeight) {
    auto screen = std::make_unique<FixedScreen>(screenWidth, screenHeight);
    auto pacing = std::make_unique<VirtualPacing>();
    auto random = std::make_unique<ScriptedRandom>();
    auto boxes = std::make_unique<ScriptedMessageBoxes>();
    auto shell = std::make_unique<RecordingShell>();
    auto cursor = std::make_unique<RecordingCursor>();
    screen_ = screen.get();
    pacing_ = pacing.get();
    random_ = random.get();
    boxes_ = boxes.get();
    shell_ = shell.get();
    cursor_ = cursor.get();
    platform_.screen = std::move(screen);
    platform_.pacing = std::move(pacing);
    platform_.random = std::move(random);
    platform_.boxes = std::move(boxes);
    platform_.shell = std::move(shell);
    platform_.cursor = std::move(cursor);
    platform_.files = std::make_unique<Files>(dir_.path());
    platform_.resources = std::make_unique<Resources>(QStringLiteral(":/testassets"));
    auto sound = std::make_unique<RecordingSound>(*platform_.resources, *pacing_);
    sound_ = sound.get();
    platform_.sound = std::move(sound);
    platform_.fonts = std::make_unique<Fonts>();
}

void TestPlatform::UseBuiltInAssets() {
    platform_.resources = std::make_unique<Resources>(QStringLiteral(":/assets"));
    auto sound = std::make_unique<RecordingSound>(*platform_.resources, *pacing_);
    sound_ = sound.get();
    platform_.sound = std::move(sound);
}

QString TestPlatform::Path(const QString& relative) const {
    return dir_.path() + QLatin1Char('/') + relative;
}

void TestPlatform::WriteFile(const QString& relative, const QByteArray& bytes) {
    const QString path = Path(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

void TestPlatform::WriteLines(const QString& relative, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
    WriteFile(relative, bytes);
}

QByteArray TestPlatform::ReadFile(const QString& relative) const {
    QFile file(Path(relative));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void TestPlatform::CopyData(const QString& relative) {
    const QString from = DataDir() + QLatin1Char('/') + relative;
    if (QFileInfo(from).isDir()) {
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            CopyData(QDir(DataDir()).relativeFilePath(file));
        }
        return;
    }
    QFile source(from);
    if (source.open(QIODevice::ReadOnly)) WriteFile(relative, source.readAll());
}

QString DataDir() {
    return QStringLiteral(KORVALD_SOURCE_DIR "/data");
}

}  // namespace kvd::test
