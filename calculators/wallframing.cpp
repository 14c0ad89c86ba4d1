#include "calculators/wallframing.h"

namespace corvane {

const FormLayout &WallFramingCalculator::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("frmWallFraming"),
                                    .caption = QStringLiteral("Wall Framing"),
                                    .client = {3615, 6375},
                                    .back = kCalculatorBack};
    return kLayout;
}

} // namespace corvane
