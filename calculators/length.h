#pragma once

#include "calculators/host.h"

namespace corvane {

class LengthTable : public Form {
public:
    explicit LengthTable(CalculatorHost &host) : Form(host), host_(host) {}

protected:
    const FormLayout &layout() const override;

private:
    CalculatorHost &host_;
};

} // namespace corvane
