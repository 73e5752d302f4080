#pragma once
#include <QString>

namespace kvd {

class UnitTable;

// A checksum of the whole table as both programs of a network game must hold it, eight hex
// digits. Whether a unit has been identified is each side's own view and is left out.
QString TableHash(const UnitTable& table);

}  // namespace kvd
