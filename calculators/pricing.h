// The shape shared by the calculators that count a material, price it and post it to the cost
// list: one button for each of the three steps and one that clears the window. What they count
// with and how they answer bad input are their own (whole numbers that carry on with a stand-in
// value in one, four-decimal money that stops at the first bad box in the other), so only the
// buttons, their wiring and the way to the cost list live here.
#pragma once

#include "calculators/host.h"

namespace corvane {

class PricingCalculator : public Form {
public:
    explicit PricingCalculator(CalculatorHost &host) : Form(host), host_(host) {}

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

    // The cost list's own posting rules (show the list, refuse a duplicate, take the next slot)
    // are the same for every material; only the line, the cost and the refusal differ.
    void postToCosts(Material material, const QString &line, Double cost, const DuplicateMessage &duplicate,
                     const CostRecord &record)
    {
        host_.frmCosts().post(material, line, cost, duplicate, record);
    }

private:
    CalculatorHost &host_;
};

} // namespace corvane
