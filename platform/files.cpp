#include "platform/files.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QStringDecoder>
#include <algorithm>

namespace kvd {

namespace {

// An absolute folder path ending in '/'.
QString AsRoot(const QString& folder) {
    QString root = QDir(folder).absolutePath();
    if (!root.endsWith(QLatin1Char('/'))) root += QLatin1Char('/');
    return root;
}

}  // namespace

Files::Files(const QString& programFolder) : folder_(AsRoot(programFolder)) {}

Files::Files(const QString& shippedFolder, const QString& userFolder)
    : folder_(AsRoot(userFolder)), shipped_(AsRoot(shippedFolder)) {}

QString Files::Resolve(const QString& name) const {
    const QString own = ResolveIn(folder_, name);
    if (shipped_.isEmpty() || QFileInfo::exists(own)) return own;
    const QString shipped = ResolveIn(shipped_, name);
    return QFileInfo::exists(shipped) ? shipped : own;
}

QString Files::WritePath(const QString& name) {
    const QString path = ResolveIn(folder_, name);
    // The player's folder starts empty; a program folder has its folders from the start.
    if (!shipped_.isEmpty()) QDir().mkpath(QFileInfo(path).path());
    return path;
}

QString Files::ResolveIn(const QString& root, const QString& name) {
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString resolved = QDir::isAbsolutePath(path) ? QStringLiteral("/") : root;
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    bool matching = true;  // once a component is missing, the rest are kept as written
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString actual = part;
        if (matching && part != QLatin1String(".") && part != QLatin1String("..") &&
            !QFileInfo::exists(resolved + part)) {
            matching = false;
            // The folder's names are read, not sorted; of two that differ only in case the
            // one first in a case-sensitive order wins, as in a sorted listing.
            QDirIterator entries(resolved, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            while (entries.hasNext()) {
                entries.next();
                const QString entry = entries.fileName();
                if (entry.compare(part, Qt::CaseInsensitive) != 0) continue;
                if (!matching || entry < actual) actual = entry;
                matching = true;
            }
        }
        resolved += actual;
        if (i + 1 < parts.size()) resolved += QLatin1Char('/');
    }
    return resolved;
}

bool Files::Exists(const QString& name) const {
    return QFileInfo(Resolve(name)).isFile();
}

bool Files::Delete(const QString& name) {
    const QString path = ResolveIn(folder_, name);
    if (!QFileInfo::exists(path)) return true;
    return QFile::remove(path);
}

bool Files::Copy(const QString& from, const QString& to) {
    const QString target = WritePath(to);
    if (QFileInfo::exists(target)) return false;
    return QFile::copy(Resolve(from), target);
}

namespace {
// Calls `line(start, length)` for every line of a file's bytes, after a UTF-8 mark if there is
// one: lines end at CR, LF or CR LF, and a last line without an end counts too. Neither a UTF-8
// sequence nor a Latin-1 character holds a CR or LF byte, so the bytes are cut before they are
// decoded.
template <class Line>
void ForEachLine(const QByteArray& bytes, Line line) {
    const qsizetype from = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const char* data = bytes.constData();
    qsizetype start = from;
    for (qsizetype i = from; i < bytes.size(); ++i) {
        const char c = data[i];
        if (c != '\n' && c != '\r') continue;
        line(start, i - start);
        if (c == '\r' && i + 1 < bytes.size() && data[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) line(start, bytes.size() - start);
}
}  // namespace

QList<QByteArray> SplitLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    ForEachLine(bytes,
                [&](qsizetype start, qsizetype length) { lines << bytes.mid(start, length); });
    return lines;
}

QString DecodeLine(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError()) text = QString::fromLatin1(bytes);
    return text;
}

QString ShownPath(const QString& name) {
    QString path = name;
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

bool Files::LoadBytes(const QString& name, QByteArray& bytes) const {
    bytes.clear();
    QFile file(Resolve(name));
    if (!QFileInfo(file.fileName()).isFile() || !file.open(QIODevice::ReadOnly)) return false;
    bytes = file.readAll();
    if (file.error() == QFile::NoError) return true;
    bytes.clear();
    return false;
}

QStringList DecodeLines(const QByteArray& bytes) {
    QStringList lines;
    // Plain ASCII, as every shipped file is, reads the same in UTF-8 and Latin-1: each line is
    // taken straight from the bytes.
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    ForEachLine(bytes, [&](qsizetype start, qsizetype length) {
        lines << (ascii ? QString::fromLatin1(bytes.constData() + start, length)
                        : DecodeLine(bytes.mid(start, length)));
    });
    return lines;
}

bool Files::LoadLines(const QString& name, QStringList& lines) const {
    lines.clear();
    QByteArray bytes;
    if (!LoadBytes(name, bytes)) return false;
    lines = DecodeLines(bytes);
    return true;
}

bool Files::SaveLines(const QString& name, const QStringList& lines, QString* why) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return SaveBytes(name, bytes, why);
}

bool Files::SaveBytes(const QString& name, const QByteArray& bytes, QString* why) {
    // Written beside the target and renamed over it only when complete.
    // Unbuffered, so a short write (a full disk) shows here and not as a silently cut file.
    const QString path = WritePath(name);
    QSaveFile file(path);
    const auto failed = [&] {
        // Said short, in the words of the file's place; the system's own words name the whole
        // path again.
        const QFileInfo target(path), folder(target.path());
        if (!why)
            return false;
        else if (target.exists() && !target.isWritable())
            *why = QStringLiteral("read-only");
        else if (!folder.isWritable())
            *why = QStringLiteral("folder not writable");
        else
            *why = file.errorString();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failed();
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        const bool result = failed();
        file.cancelWriting();
        return result;
    }
    return file.commit() || failed();
}

qint64 Files::Size(const QString& name) const {
    const QFileInfo info(Resolve(name));
    return info.isFile() ? info.size() : -1;
}

QStringList Files::List(const QString& folder, const QString& mask) const {
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(mask),
                                     QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    QSet<QString> seen;  // lower case: the player's file hides a shipped one of the same name
    QStringList roots{folder_};
    if (!shipped_.isEmpty()) roots << shipped_;
    for (const QString& root : roots) {
        const QStringList entries =
            QDir(ResolveIn(root, folder)).entryList(QDir::Files | QDir::Hidden);
        for (const QString& entry : entries) {
            if (!pattern.match(entry).hasMatch() || seen.contains(entry.toLower())) continue;
            seen.insert(entry.toLower());
            names << entry;
        }
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

FileRoots FindFileRoots(const QString& exeFolder, const QString& userFolder,
                        const std::function<bool(const QString&)>& writable) {
    const QString program = QDir(exeFolder).absolutePath();
    if (QFileInfo(program + QStringLiteral("/config")).isDir()) {
        if (userFolder.isEmpty() || writable(program)) return {program, {}};
        return {program, userFolder};
    }
    const QString installed = QDir::cleanPath(program + QStringLiteral("/../share/korvald"));
    if (!userFolder.isEmpty() && QFileInfo(installed + QStringLiteral("/config")).isDir())
        return {installed, userFolder};
    return {program, {}};
}

bool FolderWritable(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable()) return false;
    const QFileInfo config(folder + QStringLiteral("/config"));
    return !config.exists() || (config.isDir() && config.isWritable());
}

QString UserDataFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/korvald");
}

}  // namespace kvd
