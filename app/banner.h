#pragma once

#include "core/form.h"

namespace corvane {

class Workspace;

class TitleBanner : public Form {
public:
    explicit TitleBanner(Workspace &workspace);

protected:
    const FormLayout &layout() const override;

private:
    Workspace &workspace_;
};

} // namespace corvane
