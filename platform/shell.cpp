#include "platform/shell.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QUrl>

#include "platform/files.h"

namespace kvd {

bool IsAddress(const QString& target) {
    // A scheme of two or more letters: "mailto:", "https:". One letter would be a drive name.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

QUrl TargetUrl(const Files& files, const QString& target) {
    return IsAddress(target) ? QUrl(target) : QUrl::fromLocalFile(files.Resolve(target));
}

bool DesktopShell::Open(const QString& target) {
    return QDesktopServices::openUrl(TargetUrl(files_, target));
}

}  // namespace kvd
