#include "calculators/water.h"

namespace corvane {

const FormLayout &WaterCalculator::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("frmWater"),
                                    .caption = QStringLiteral(""),
                                    .client = {4455, 2985},
                                    .back = kCalculatorBack};
    return kLayout;
}

} // namespace corvane
