#pragma once
#include <QFont>
#include <QString>

namespace kvd {

// The title font, a blackletter face embedded in the program.
class Fonts {
  public:
    // resourcePath: where the font file is embedded.
    explicit Fonts(QString resourcePath = QStringLiteral(":/assets/fonts/blankenburg.ttf"));
    // Registers the embedded font with the application; false when it is missing or unreadable.
    // Safe to call more than once.
    bool LoadTitleFont();
    bool TitleFontLoaded() const { return !family_.isEmpty(); }
    QString TitleFamily() const { return family_; }
    // The title font at a pixel height (the application font when the title font is not loaded).
    QFont TitleFont(int pixelSize) const;

  private:
    QString resourcePath_;
    QString family_;
};

}  // namespace kvd
