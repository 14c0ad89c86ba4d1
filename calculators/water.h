#pragma once

#include "calculators/host.h"

namespace corvane {

class WaterCalculator : public Form {
public:
    explicit WaterCalculator(CalculatorHost &host) : Form(host), host_(host) {}

protected:
    const FormLayout &layout() const override;

private:
    CalculatorHost &host_;
};

} // namespace corvane
