#pragma once

#include "core/form.h"

namespace corvane {

class Workspace;

class SplashWindow : public Form {
public:
    explicit SplashWindow(Workspace &workspace);

protected:
    const FormLayout &layout() const override;

private:
    Workspace &workspace_;
};

} // namespace corvane
