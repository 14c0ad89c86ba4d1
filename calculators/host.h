// What the calculators need of the application frame, which owns every window, and the one way
// they post to the cost list.
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

// A calculator that puts lines on the cost list.
class PostingCalculator : public Form {
public:
    explicit PostingCalculator(CalculatorHost &host) : Form(host), host_(host) {}

protected:
    // The cost list's own posting rules (show the list, refuse a duplicate, take the next slot)
    // are the same for every material; only the line, the cost, the refusal and the record
    // differ.
    void postToCosts(Material material, const QString &line, Double cost, const DuplicateMessage &duplicate,
                     const CostRecord &record)
    {
        host_.frmCosts().post(material, line, cost, duplicate, record);
    }

    CalculatorHost &host_;
};

} // namespace corvane
