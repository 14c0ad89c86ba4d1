// How many 16 by 8 inch blocks a wall takes, what they cost, and the block line of the cost list.
#pragma once

#include "calculators/pricing.h"

namespace corvane {

class BlockCalculator : public PricingCalculator {
    // The window\'s texts are translated under its name.
    Q_DECLARE_TR_FUNCTIONS(frmBlock)

public:
    using PricingCalculator::PricingCalculator;

    // The last count, the total cost of those blocks and the price per block last accepted.
    // They outlive the window's controls and are changed by the count and the price steps only.
    Int16 intBlockAmount = 0;
    Double dblPrice = 0;
    Double dblCost = 0;

    void cmdGo_Click() override;
    void cmdGo2_Click() override;
    void cmdAdd_Click() override;
    void cmdClear_Click() override;

protected:
    const FormLayout &layout() const override;
};

} // namespace corvane
