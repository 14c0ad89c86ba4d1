// A table of lengths converted between centimetres, metres, inches and feet.
#pragma once

#include "calculators/host.h"

namespace corvane {

class LengthTable : public Form {
public:
    explicit LengthTable(CalculatorHost &host) : Form(host), host_(host) {}

    void Command1_Click();
    void cmdClear_Click();

protected:
    const FormLayout &layout() const override;
    void wire() override;

private:
    CalculatorHost &host_;
};

} // namespace corvane
