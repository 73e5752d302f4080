#pragma once
#include <QString>
#include <QStringList>
#include <QUrl>

namespace kvd {

class Files;

// Opens a help page, a web address or a new mail in the desktop's own programs.
class Shell {
  public:
    virtual ~Shell() = default;
    // target: a game file name ("help\english\kvdhelp.htm"), or an address with a scheme
    // ("mailto:...", "https://..."). False when nothing could be asked to open it.
    virtual bool Open(const QString& target) = 0;
};

class DesktopShell : public Shell {
  public:
    explicit DesktopShell(const Files& files) : files_(files) {}
    bool Open(const QString& target) override;

  private:
    const Files& files_;
};

class RecordingShell : public Shell {
  public:
    bool Open(const QString& target) override {
        opened_ << target;
        return true;
    }
    const QStringList& Opened() const { return opened_; }

  private:
    QStringList opened_;
};

// Whether a target names an address (a scheme such as "mailto:" or "https:") rather than a file.
bool IsAddress(const QString& target);

// The address a target stands for: itself, or the file it names in the program folder.
QUrl TargetUrl(const Files& files, const QString& target);

}  // namespace kvd
