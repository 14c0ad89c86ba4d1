#pragma once

#include "core/form.h"

namespace corvane {

class RatiosDialog : public Form {
public:
    using Form::Form;

protected:
    const FormLayout &layout() const override;
};

} // namespace corvane
