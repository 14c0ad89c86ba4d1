#pragma once

#include "calculators/host.h"

namespace corvane {

class BlockCalculator : public Form {
public:
    explicit BlockCalculator(CalculatorHost &host) : Form(host), host_(host) {}

protected:
    const FormLayout &layout() const override;

private:
    CalculatorHost &host_;
};

} // namespace corvane
