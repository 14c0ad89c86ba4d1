#include "calculators/length.h"

namespace corvane {

const FormLayout &LengthTable::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("frmLength"),
                                    .caption = QStringLiteral("Length Conversions"),
                                    .client = {5430, 3015},
                                    .back = kCalculatorBack};
    return kLayout;
}

} // namespace corvane
