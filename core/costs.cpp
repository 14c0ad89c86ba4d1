#include "core/costs.h"

namespace corvane {

const FormLayout &CostList::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("frmCosts"),
                                    .caption = QString(),
                                    .client = {5835, 6975},
                                    .back = kCalculatorBack,
                                    .icon = false,
                                    .controlBox = false,
                                    .controls = {}};
    return kLayout;
}

void CostList::wire() {}

void CostList::Form_Load()
{
    intCounter = 1;
}

Double &CostList::costField(Material material)
{
    switch (material) {
    case Material::Block: return dblBlockCost;
    case Material::Cement: return dblCementCost;
    case Material::Gravel: return dblGravelCost;
    case Material::Sand: return dblSandCost;
    default: return dblWoodCost;
    }
}

Int16 &CostList::slotField(Material material)
{
    switch (material) {
    case Material::Block: return intBlockCounter;
    case Material::Cement: return intCementCounter;
    case Material::Gravel: return intGravelCounter;
    case Material::Sand: return intSandCounter;
    default: return intWoodCounter;
    }
}

void CostList::post(Material material, const QString &line, Double cost, const DuplicateMessage &duplicate)
{
    Show();
    if (costField(material) != 0)
        return ShowMessage(duplicate.text, duplicate.title, duplicate.style);
    setText(element(QStringLiteral("lblCosts"), intCounter), line);
    costField(material) = cost;
    slotField(material) = intCounter;
    intCounter = Int16Increment(intCounter);
}

void CostList::cmdRemove_Click(int) {}
void CostList::cmdHide_Click()
{
    Hide();
}
void CostList::Timer1_Timer() {}

} // namespace corvane
