#pragma once

#include "calculators/host.h"

namespace corvane {

class WallFramingCalculator : public Form {
public:
    explicit WallFramingCalculator(CalculatorHost &host) : Form(host), host_(host) {}

protected:
    const FormLayout &layout() const override;

private:
    CalculatorHost &host_;
};

} // namespace corvane
