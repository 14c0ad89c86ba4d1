#include "support/costlistcheck.h"

namespace corvane::testing {
Snapshot snapshotOf(CostList &list)
{
    Snapshot s;
    for (int n = 1; n <= CostList::kSlots; ++n)
        s.lines << list.text(element("lblCosts", n));
    for (size_t i = 0; i < kMaterials.size(); ++i) {
        s.slotFields[i] = list.model().slotField(kMaterials[i]);
        s.costs[i] = list.model().costField(kMaterials[i]);
    }
    s.counter = list.model().intCounter;
    return s;
}

QString describe(const Snapshot &s)
{
    QStringList out;
    for (int n = 0; n < CostList::kSlots; ++n)
        if (!s.lines[n].isEmpty())
            out << QStringLiteral("%1: %2").arg(n + 1).arg(s.lines[n]);
    out << QStringLiteral("next free slot %1").arg(s.counter);
    for (size_t i = 0; i < kMaterials.size(); ++i)
        out << QStringLiteral("%1 slot %2 cost %3").arg(kMaterialNames[i]).arg(s.slotFields[i]).arg(s.costs[i]);
    return out.join("; ");
}

QString brokenRule(const Snapshot &s)
{
    if (s.counter < 1 || s.counter > CostList::kSlots + 1)
        return QStringLiteral("next free slot is %1").arg(s.counter);
    for (int n = 1; n <= CostList::kSlots; ++n)
        if (s.lines[n - 1].isEmpty() != (n >= s.counter))
            return QStringLiteral("slot %1 does not fit the next free slot %2").arg(n).arg(s.counter);
    for (size_t i = 0; i < kMaterials.size(); ++i) {
        const int slot = s.slotFields[i];
        if (slot == 0 && s.costs[i] != 0)
            return QStringLiteral("%1 has a cost but no line").arg(kMaterialNames[i]);
        if (slot < 0 || slot >= s.counter)
            return QStringLiteral("%1 names slot %2").arg(kMaterialNames[i]).arg(slot);
        for (size_t j = 0; j < i; ++j)
            if (slot != 0 && slot == s.slotFields[j])
                return QStringLiteral("%1 and %2 share slot %3").arg(kMaterialNames[j], kMaterialNames[i]).arg(slot);
    }
    return {};
}

} // namespace corvane::testing
