#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>

namespace kvd {

Files::Files(const QString& programFolder) {
    folder_ = QDir(programFolder).absolutePath();
    if (!folder_.endsWith(QLatin1Char('/'))) folder_ += QLatin1Char('/');
}

QString Files::Resolve(const QString& name) const {
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString resolved = QDir::isAbsolutePath(path) ? QStringLiteral("/") : folder_;
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    bool matching = true;  // once a component is missing, the rest are kept as written
    for (int i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString actual = part;
        if (matching && part != QLatin1String(".") && part != QLatin1String("..") &&
            !QFileInfo::exists(resolved + part)) {
            matching = false;
            const QStringList entries =
                QDir(resolved).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    actual = entry;
                    matching = true;
                    break;
                }
            }
        }
        resolved += actual;
        if (i + 1 < parts.size()) resolved += QLatin1Char('/');
    }
    return resolved;
}

bool Files::Exists(const QString& name) const { return QFileInfo(Resolve(name)).isFile(); }

bool Files::Delete(const QString& name) {
    const QString path = Resolve(name);
    if (!QFileInfo::exists(path)) return true;
    return QFile::remove(path);
}

bool Files::Copy(const QString& from, const QString& to) {
    const QString target = Resolve(to);
    if (QFileInfo::exists(target)) return false;
    return QFile::copy(Resolve(from), target);
}

QList<QByteArray> SplitLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    const qsizetype from = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    // Neither a UTF-8 sequence nor a Latin-1 character holds a CR or LF byte, so the bytes
    // are cut before they are decoded.
    qsizetype start = from;
    for (qsizetype i = from; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\n' && c != '\r') continue;
        lines << bytes.mid(start, i - start);
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines << bytes.mid(start);
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
    for (const QByteArray& line : SplitLines(bytes)) lines << DecodeLine(line);
    return lines;
}

bool Files::LoadLines(const QString& name, QStringList& lines) const {
    lines.clear();
    QByteArray bytes;
    if (!LoadBytes(name, bytes)) return false;
    lines = DecodeLines(bytes);
    return true;
}

bool Files::SaveLines(const QString& name, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return SaveBytes(name, bytes);
}

bool Files::SaveBytes(const QString& name, const QByteArray& bytes) {
    // Written beside the target and renamed over it only when complete.
    // Unbuffered, so a short write (a full disk) shows here and not as a silently cut file.
    QSaveFile file(Resolve(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QStringList Files::List(const QString& folder, const QString& mask) const {
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(mask),
                                     QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    const QStringList entries = QDir(Resolve(folder)).entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries)
        if (pattern.match(entry).hasMatch()) names << entry;
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

}  // namespace kvd
