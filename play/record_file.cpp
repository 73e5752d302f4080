#include "play/record_file.h"

#include <QFile>
#include <QFileInfo>

#include "platform/files.h"

namespace kvd {

namespace {
bool Refuse(QString* error, const QString& why) {
    if (error) *error = why;
    return false;
}
}  // namespace

bool LoadRecordFile(const QString& path, GameRecord& record, QString* error) {
    const QString tooLarge =
        QStringLiteral("the file is larger than any record of a battle (over %1 KB).")
            .arg(kMaxRecordBytes / 1024);
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMaxRecordBytes) return Refuse(error, tooLarge);
    QFile file(path);
    if (!info.exists() || info.isDir() || !file.open(QIODevice::ReadOnly))
        return Refuse(error, QStringLiteral("the file cannot be read."));
    // A device or a pipe tells no size: no more than a record's worth is taken from it.
    const QByteArray bytes = file.read(kMaxRecordBytes + 1);
    if (bytes.size() > kMaxRecordBytes) return Refuse(error, tooLarge);
    if (file.error() != QFile::NoError)
        return Refuse(error, QStringLiteral("the file cannot be read."));
    GameRecord read;
    if (!ReadRecord(DecodeLines(bytes), read, error)) return false;
    if (read.moves.size() > size_t(kMaxRecordMoves))
        return Refuse(error, QStringLiteral("it holds %1 moves, more than any battle lasts.")
                                 .arg(read.moves.size()));
    record = std::move(read);
    return true;
}

}  // namespace kvd
