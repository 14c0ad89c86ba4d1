// What the calculators need of the application frame, which owns every window.
#pragma once

#include "calculators/costlist.h"
#include "ui/form.h"

namespace corvane {

class RatiosDialog;

class CalculatorHost : public FormHost {
public:
    virtual CostList &frmCosts() = 0;
    virtual RatiosDialog &frmAboutRatios() = 0;
};

} // namespace corvane
