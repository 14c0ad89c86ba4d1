#include "calculators/ratios.h"

namespace corvane {

const FormLayout &RatiosDialog::layout() const
{
    static const FormLayout kLayout{.name = QStringLiteral("frmAboutRatios"),
                                    .caption = QStringLiteral("Ratios"),
                                    .client = {5730, 3120},
                                    .icon = false,
                                    .frame = Frame::TopLevel};
    return kLayout;
}

} // namespace corvane
