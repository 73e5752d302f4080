#pragma once
#include <QString>
#include <QStringList>

namespace kvd {

// The campaign regions are numbered 1 to 8.
constexpr int kRegions = 8;

// The campaign maps of a region (1 to 8), in the order a draw picks them.
const QStringList& RegionMaps(int region);

// Every map the game ships with its own chart, "$" and all ("$STANDARD", "$ICELAND", ...): the
// standard map and the campaign maps of every region, each once.
const QStringList& BuiltInMaps();

}  // namespace kvd
