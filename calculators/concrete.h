#pragma once

#include "calculators/host.h"

namespace corvane {

class ConcreteCalculator : public Form {
public:
    explicit ConcreteCalculator(CalculatorHost &host) : Form(host), host_(host) {}

protected:
    const FormLayout &layout() const override;

private:
    CalculatorHost &host_;
};

} // namespace corvane
