#include "calculators/block.h"

namespace corvane {

const FormLayout &BlockCalculator::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("frmBlock"),
                                    .caption = QStringLiteral("Block Quantities"),
                                    .client = {3615, 4590},
                                    .back = kCalculatorBack};
    return kLayout;
}

} // namespace corvane
