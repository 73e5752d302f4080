#pragma once
#include <QString>

#include "platform/platform.h"

namespace kvd {

// The real services, for a program in programFolder. Needs a running QApplication.
Platform MakeRealPlatform(const QString& programFolder);

}  // namespace kvd
