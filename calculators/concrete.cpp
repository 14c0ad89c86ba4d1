#include "calculators/concrete.h"

namespace corvane {

const FormLayout &ConcreteCalculator::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("frmConcrete"),
                                    .caption = QStringLiteral("Concrete Quantities"),
                                    .client = {6135, 7140},
                                    .back = kCalculatorBack};
    return kLayout;
}

} // namespace corvane
