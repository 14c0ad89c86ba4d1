#include "costing/costmodel.h"

#include <optional>

#include "numbers/text.h"

namespace corvane {
namespace {

// A removed slot belongs to the first material, in this order, whose slot field names it.
constexpr Material kRemovalOrder[] = {Material::Block, Material::Cement, Material::Gravel, Material::Sand,
                                      Material::Wood};

} // namespace

Double &CostModel::costField(Material material)
{
    switch (material) {
    case Material::Block: return dblBlockCost;
    case Material::Cement: return dblCementCost;
    case Material::Gravel: return dblGravelCost;
    case Material::Sand: return dblSandCost;
    case Material::Wood: break;
    }
    return dblWoodCost;
}

Int16 &CostModel::slotField(Material material)
{
    switch (material) {
    case Material::Block: return intBlockCounter;
    case Material::Cement: return intCementCounter;
    case Material::Gravel: return intGravelCounter;
    case Material::Sand: return intSandCounter;
    case Material::Wood: break;
    }
    return intWoodCounter;
}

CostModel::Slot &CostModel::at(int slot)
{
    if (slot < 1 || slot > kSlots)
        throw SubscriptOutOfRangeError();
    return slots_[size_t(slot - 1)];
}

const QString &CostModel::line(int slot) const
{
    return const_cast<CostModel *>(this)->at(slot).line;
}

const CostRecord &CostModel::record(int slot) const
{
    return const_cast<CostModel *>(this)->at(slot).record;
}

void CostModel::load()
{
    for (Material m : kRemovalOrder) {
        costField(m) = 0;
        slotField(m) = 0;
    }
    intCounter = 1;
    slots_.fill(Slot{});
    workOutTotal();
    emit changed();
}

CostModel::Posted CostModel::post(Material material, const QString &line, Double cost, const CostRecord &record)
{
    if (costField(material) != 0)
        return Posted::Duplicate;
    if (intCounter < 1 || intCounter > kSlots)
        return Posted::Full;
    at(intCounter) = {line, record};
    costField(material) = cost;
    slotField(material) = intCounter;
    intCounter = Int16Increment(intCounter);
    workOutTotal();
    emit changed();
    return Posted::Yes;
}

bool CostModel::remove(int slot)
{
    const bool found = !at(slot).line.isEmpty();
    if (found) {
        std::optional<Material> owner;
        for (Material m : kRemovalOrder)
            if (slotField(m) == slot) {
                owner = m;
                break;
            }

        intCounter = Int16Decrement(intCounter);
        for (int k = slot; k <= intCounter - 1; ++k)
            at(k) = at(k + 1);
        at(intCounter) = Slot{};

        if (owner)
            costField(*owner) = 0;
        // The lines below moved up one slot; their slot fields follow them.
        for (Material m : kRemovalOrder)
            if (m != owner && slotField(m) > slot)
                slotField(m) = Int16Decrement(slotField(m));
        if (owner)
            slotField(*owner) = 0;
    }
    if (intCounter == 0)
        intCounter = 1;
    if (found) {
        workOutTotal();
        emit changed();
    }
    return found;
}

void CostModel::workOutTotal()
{
    // Added left to right in this order, so a total reads the same however the lines were posted.
    dblTotalCost = dblBlockCost + dblSandCost + dblGravelCost + dblCementCost + dblWoodCost;
    try {
        checkedStep(dblTotalCost);
    } catch (const FloatingPointError &) {
        totalFailed_ = true;
        return;
    }
    totalFailed_ = false;
    totalText_ = DoubleToText(dblTotalCost);
}

} // namespace corvane
