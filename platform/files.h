#pragma once
#include <QString>
#include <QStringList>

namespace kvd {

// The game's files, named relative to the program folder and written with backslashes
// ("config\last.cfg"). Each component of a name is matched without regard to case, so
// "config\UShips.cfg" finds "config/Uships.cfg". Text files are read with CR LF or LF line
// ends and written with CR LF, in UTF-8.
class Files {
public:
    explicit Files(const QString& programFolder);

    // The program folder, ending in '/'.
    QString ProgramFolder() const { return folder_; }

    // The absolute path a game file name stands for. Components that exist in another letter
    // case resolve to the existing entry; the rest are kept as written.
    QString Resolve(const QString& name) const;

    bool Exists(const QString& name) const;
    // Deletes a file; true when it is gone afterwards.
    bool Delete(const QString& name);
    // Copies a file; fails when the target exists or the source cannot be read.
    bool Copy(const QString& from, const QString& to);

    // Loads a text file as lines; a final line end does not make an empty last line.
    // False when the file cannot be read (lines are then left empty).
    bool LoadLines(const QString& name, QStringList& lines) const;
    // Writes lines, each ending in CR LF. The file is replaced only once the whole text is
    // written, so a full disk or a crash never leaves a truncated file. False on failure.
    bool SaveLines(const QString& name, const QStringList& lines);

    // A file's bytes as they are; false when it cannot be read (bytes are then left empty).
    bool LoadBytes(const QString& name, QByteArray& bytes) const;
    // Writes bytes, replacing the file only once they are all written. False on failure.
    bool SaveBytes(const QString& name, const QByteArray& bytes);

    // The names of the files in a folder that match a mask such as "*.MAP" (letter case
    // ignored), sorted alphabetically without regard to case.
    QStringList List(const QString& folder, const QString& mask) const;

private:
    QString folder_;
};

// A text file's bytes cut into lines: CR LF, LF and a lone CR each end one, a final line end
// adds no empty line, and a UTF-8 byte-order mark at the start is not part of line 0.
QList<QByteArray> SplitLines(const QByteArray& bytes);
// One line's text: UTF-8, or Latin-1 when the bytes are not UTF-8 (a file from an old editor).
QString DecodeLine(const QByteArray& bytes);
// The lines of a text file's bytes, as LoadLines reads them.
QStringList DecodeLines(const QByteArray& bytes);
// A game file name as the player's system writes it: "maps/$CORK.map" for "maps\$CORK.map".
QString ShownPath(const QString& name);

}  // namespace kvd
