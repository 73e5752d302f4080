#include <gtest/gtest.h>

#include "core/unit_codes.h"
#include "opponent/position_value.h"
#include "tests/opponent/small_battle.h"

namespace {

using kvd::test::GameOf;
using kvd::test::Unit;

// Both fleets far apart, so only what is afloat counts: the first side's flagship, carrier and
// a submarine, against the enemy's flagship and a cruiser.
double ValueWith(int flagshipStrength, bool flagship, bool carrier, bool submarine,
                 QChar flagTransfer) {
    std::vector<Unit> units = {{'E', 11, 5, 0, 9}, {'D', 45, 9, 9, 0}, {'D', 43, 7, 8, 0}};
    if (flagship) units.push_back({'E', 21, flagshipStrength, 0, 0});
    if (carrier) units.push_back({'E', 22, 7, 1, 0});
    if (submarine) units.push_back({'E', 5, 5, 0, 5});
    return kvd::PositionValue(GameOf(units, flagTransfer), kvd::kFirstSide);
}

}  // namespace

// The hits a capital ship can take before the next one sinks it: two points a hit, and below
// five the next sinks it.
TEST(PositionValue, CountsTheHitsAShipCanStillTake) {
    const int hitsLeft[][2] = {{9, 3}, {8, 2}, {7, 2}, {6, 1}, {5, 1}, {4, 0}, {1, 0}};
    for (const auto& [strength, hits] : hitsLeft)
        EXPECT_EQ(kvd::HitsLeft(strength), hits) << "strength " << strength;
}

// The flag lives weigh more than any ship: losing the flagship while the carrier may still
// take the flag costs more than losing a cruiser's worth, the carrier costs most while it is
// the flag's reserve, and the last hit the flagship can take is dearer than the first.
TEST(PositionValue, WeighsTheFlagLives) {
    const QChar mayPass = QLatin1Char('Y'), mayNot = QLatin1Char('N');
    const double whole = ValueWith(8, true, true, true, mayPass);
    struct Loss {
        double value;
        double least;  // what it must cost at least
        const char* what;
    };
    const Loss losses[] = {
        {ValueWith(8, false, true, true, mayPass), 100, "the flagship, with the carrier behind"},
        {ValueWith(8, true, false, true, mayPass), 60, "the carrier that would take the flag"},
        {ValueWith(6, true, true, true, mayPass), 15, "a hit on the flagship"},
        {ValueWith(8, true, true, false, mayPass), 12, "a submarine while the armour stands"},
    };
    for (const Loss& l : losses) EXPECT_GT(whole - l.value, l.least) << l.what;
    // The carrier is worth less once the flag can no longer pass to it.
    EXPECT_GT(whole - ValueWith(8, true, false, true, mayPass),
              ValueWith(8, true, true, true, mayNot) - ValueWith(8, true, false, true, mayNot));
    // The hit that leaves the flagship one to spare costs less than the one that leaves none.
    EXPECT_LT(ValueWith(8, true, true, true, mayNot) - ValueWith(6, true, true, true, mayNot),
              ValueWith(6, true, true, true, mayNot) - ValueWith(4, true, true, true, mayNot));
}
