#pragma once
#include <QString>
#include <QStringList>
#include <functional>

namespace kvd {

// The game's files, named relative to the program folder and written with backslashes
// ("config\last.cfg"). Each component of a name is matched without regard to case, so
// "config\UShips.cfg" finds "config/Uships.cfg". Text files are read with CR LF or LF line
// ends and written with CR LF, in UTF-8.
//
// A game in a folder it may write has one folder for everything. An installed game has two:
// the shipped files, never written, and the player's own folder. Then a file is read from the
// player's folder when it is there and from the shipped files otherwise; every write, copy
// target and delete goes to the player's folder (making its folders as needed), and a folder
// listing shows the files of both.
class Files {
  public:
    explicit Files(const QString& programFolder);
    // An installed game: shipped files in shippedFolder, the player's in userFolder.
    Files(const QString& shippedFolder, const QString& userFolder);

    // The folder the game writes to, ending in '/': the program folder, or the player's.
    QString ProgramFolder() const { return folder_; }
    // The folder of the shipped files, ending in '/'; the program folder when there is one.
    QString ShippedFolder() const { return shipped_.isEmpty() ? folder_ : shipped_; }
    bool HasUserFolder() const { return !shipped_.isEmpty(); }

    // The absolute path a game file name stands for. Components that exist in another letter
    // case resolve to the existing entry; the rest are kept as written. With two folders, a
    // name found only among the shipped files resolves there, any other to the player's.
    QString Resolve(const QString& name) const;

    bool Exists(const QString& name) const;
    // Deletes a file; true when it is gone afterwards. A shipped file is never deleted, so
    // with two folders it may still exist afterwards.
    bool Delete(const QString& name);
    // Copies a file; fails when the target exists or the source cannot be read. The target is
    // always in the folder the game writes to, so copying a name onto itself makes the
    // player's own copy of a shipped file.
    bool Copy(const QString& from, const QString& to);

    // Loads a text file as lines; a final line end does not make an empty last line.
    // False when the file cannot be read (lines are then left empty).
    bool LoadLines(const QString& name, QStringList& lines) const;
    // Writes lines, each ending in CR LF. The file is replaced only once the whole text is
    // written, so a full disk or a crash never leaves a truncated file. False on failure, with
    // the system's reason in `why` when asked.
    bool SaveLines(const QString& name, const QStringList& lines, QString* why = nullptr);

    // A file's bytes as they are; false when it cannot be read (bytes are then left empty).
    bool LoadBytes(const QString& name, QByteArray& bytes) const;
    // Writes bytes, replacing the file only once they are all written. False on failure, with
    // the system's reason in `why` when asked.
    bool SaveBytes(const QString& name, const QByteArray& bytes, QString* why = nullptr);
    // A file's size in bytes, -1 when there is no such file: what a reader looks at before it
    // takes the whole file into memory.
    qint64 Size(const QString& name) const;

    // The names of the files in a folder that match a mask such as "*.MAP" (letter case
    // ignored), sorted alphabetically without regard to case.
    // With two folders both are listed; a name in both counts once.
    QStringList List(const QString& folder, const QString& mask) const;

  private:
    // A name resolved below one root folder (ending in '/').
    static QString ResolveIn(const QString& root, const QString& name);
    // The path a write goes to; with two folders, its folder is made when missing.
    QString WritePath(const QString& name);

    QString folder_;   // the folder written to
    QString shipped_;  // the shipped files of an installed game; empty with one folder
};

// Where the game's files are: a program folder it may write (user empty) or the shipped files
// and the player's folder.
struct FileRoots {
    QString shipped;
    QString user;
};

// Finds the game's files for an executable in exeFolder. A program folder with config/ beside
// the executable is used as it is when writable, and as the shipped files otherwise. Without
// one, the installed data in exeFolder/../share/korvald is used, always with the player's
// folder, so an installed game never writes into its installation even when it could.
// Without either, the program folder as it is (the start-up then reports what is missing).
FileRoots FindFileRoots(const QString& exeFolder, const QString& userFolder,
                        const std::function<bool(const QString&)>& writable);
// True when files can be made in the folder and in its config/ (when that exists).
bool FolderWritable(const QString& folder);
// The player's folder of an installed game: $XDG_DATA_HOME/korvald, ~/.local/share/korvald.
QString UserDataFolder();

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
