// Cement, sand and gravel for a rectangular concrete pad, by one of two country mix ratios, and
// what they cost.
#pragma once

#include <optional>

#include "calculators/host.h"

namespace corvane {

struct MaterialWords;

class ConcreteCalculator : public PostingCalculator {
    // The window\'s texts are translated under its name.
    Q_DECLARE_TR_FUNCTIONS(frmConcrete)

public:
    using PostingCalculator::PostingCalculator;

    // The window's figures. They belong to the window object, so closing the window keeps them
    // and an Add button pressed after reopening posts the last calculation and pricing.
    Money curCementP;
    Money curSandP;
    Money curGravelP;
    Money curCostC;
    Money curCostS;
    Money curCostG;
    Money curConcrete; // bags of cement
    Money curSand;     // cubic metres
    Money curGravel;   // cubic metres

    void cmdCalculate_Click();
    void cmdPrice_Click();
    void cmdAddCement_Click();
    void cmdAddSand_Click();
    void cmdAddGravel_Click();
    void cmdClear_Click();
    void cmdRatios_Click();

protected:
    const FormLayout &layout() const override;
    void wire() override;

private:
    // The amounts the costs were worked out from, once a pricing has happened. A posted line
    // shows these, so that its amount times its price is always its cost, even when the pad was
    // recalculated after pricing.
    struct Priced {
        Money cement, sand, gravel;
    };
    std::optional<Priced> priced_;

    void postMaterial(Material material, const MaterialWords &words, Money amount, Money price, Money cost);
};

} // namespace corvane
