#pragma once

#include "core/form.h"

namespace corvane {

class Workspace;

class QuickMenu : public Form {
public:
    explicit QuickMenu(Workspace &workspace);

protected:
    const FormLayout &layout() const override;

private:
    Workspace &workspace_;
};

} // namespace corvane
