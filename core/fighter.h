#pragma once
#include <QString>

namespace kvd {

// One side's unit in the current step or fight: which unit, what it is called, where it stood
// before the step and where it stands now, and its strength as the fight sees it.
struct Fighter {
    int Code = 0;
    QString Name;
    QString KindName;
    int X = 0;
    int Y = 0;
    int OldX = 0;
    int OldY = 0;
    int Strength = 0;
};

}  // namespace kvd
