#include "platform/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace kvd {

Fonts::Fonts(QString resourcePath) : resourcePath_(std::move(resourcePath)) {}

bool Fonts::LoadTitleFont() {
    if (!family_.isEmpty()) return true;
    const int id = QFontDatabase::addApplicationFont(resourcePath_);
    if (id < 0) return false;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) return false;
    family_ = families.first();
    return true;
}

QFont Fonts::TitleFont(int pixelSize) const {
    QFont font = family_.isEmpty() ? QGuiApplication::font() : QFont(family_);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace kvd
