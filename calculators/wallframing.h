// How many boards of a chosen length frame one wall, what they cost, and the wall-framing line
// of the cost list.
#pragma once

#include "calculators/pricing.h"

namespace corvane {

class WallFramingCalculator : public PricingCalculator {
    // The window\'s texts are translated under its name.
    Q_DECLARE_TR_FUNCTIONS(frmWallFraming)

public:
    using PricingCalculator::PricingCalculator;

    // The last count (boards, to four decimals), the total cost of those boards and the price
    // per board. They outlive the window's controls; the count, price and clear steps change them.
    Money curWoodAmount;
    Money curPrice;
    Money curCost;
    // The board size and board length of the last count, so that the cost line says what the
    // count is a count of.
    QString strBoardSize;
    Money curBoardLength;

    void cmdGo_Click() override;
    void cmdGo2_Click() override;
    void cmdAdd_Click() override;
    void cmdClear_Click() override;
    // Each box of a pair clears its partner, so at most one size and one spacing is ticked.
    void chk2x4_Click();
    void chk2x6_Click();
    void chk16OC_Click();
    void chk24OC_Click();

protected:
    const FormLayout &layout() const override;
    void wire() override;
};

} // namespace corvane
