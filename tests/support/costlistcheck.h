// The cost list as the tests see it: everything it holds, read field by field, and the rules
// it keeps whatever happens to it.
#pragma once

#include <QStringList>
#include <array>

#include "calculators/costlist.h"
#include "support/materials.h"

namespace corvane::testing {

struct Snapshot {
    QStringList lines; // the twelve captions
    std::array<int, 5> slotFields{};
    std::array<double, 5> costs{};
    int counter = 0;
    bool operator==(const Snapshot &) const = default;
};

Snapshot snapshotOf(CostList &list);
QString describe(const Snapshot &s);

// The first rule the list breaks, in words; empty when every rule holds. The lines fill the
// slots before the next free one without gaps; each slot field is 0 or names an occupied slot
// of its own; a material without a line has no cost.
QString brokenRule(const Snapshot &s);

} // namespace corvane::testing
