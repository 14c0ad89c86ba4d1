// The shape shared by the calculators that count a material, price it and post it to the cost
// list: one button for each of the three steps and one that clears the window. What they count
// with and how they answer bad input are their own (whole numbers that carry on with a stand-in
// value in one, four-decimal money that stops at the first bad box in the other), so only the
// buttons and their wiring live here.
#pragma once

#include "calculators/host.h"

namespace corvane {

class PricingCalculator : public PostingCalculator {
public:
    using PostingCalculator::PostingCalculator;

    // Counts the material from the dimensions.
    virtual void cmdGo_Click() = 0;
    // Prices the last count.
    virtual void cmdGo2_Click() = 0;
    // Posts the last figures to the cost list.
    virtual void cmdAdd_Click() = 0;
    virtual void cmdClear_Click() = 0;

protected:
    void wire() override
    {
        onClick("cmdGo", &PricingCalculator::cmdGo_Click);
        onClick("cmdGo2", &PricingCalculator::cmdGo2_Click);
        onClick("cmdAdd", &PricingCalculator::cmdAdd_Click);
        onClick("cmdClear", &PricingCalculator::cmdClear_Click);
    }
};

} // namespace corvane
