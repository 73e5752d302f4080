#include "opponent/contact_memory.h"

#include <algorithm>

#include "core/unit_table.h"
#include "opponent/side_view.h"

namespace kvd {

void ContactMemory::Recall(SideView& v) {
    auto afloat = [&](int code) { return std::binary_search(v.enemyAfloat.begin(), v.enemyAfloat.end(), code); };
    auto shown = [&](int code) {
        for (const Contact& c : v.contacts)
            if (c.code == code) return true;
        return false;
    };
    for (const Known& k : known_) {
        if (!afloat(k.code) || shown(k.code)) continue;
        Contact* same = nullptr;
        Contact* moved = nullptr;
        int beside = 0;
        for (Contact& c : v.contacts) {
            if (c.column == k.column && c.row == k.row) same = &c;
            if (c.code == 0 && AreNeighbours(c.column, c.row, k.column, k.row)) {
                moved = &c;
                ++beside;
            }
        }
        Contact* it = same ? (same->code == 0 ? same : nullptr) : (beside == 1 ? moved : nullptr);
        if (!it) continue;
        it->code = k.code;
        it->strength = k.strength;
    }
    known_.clear();
    for (const Contact& c : v.contacts)
        if (c.code != 0) known_.push_back({c.column, c.row, c.code, c.strength});
}

}  // namespace kvd
