// The program's name in large letters, always behind the other child windows.
#pragma once

#include "ui/form.h"

namespace corvane {

class TitleBanner : public Form {
public:
    explicit TitleBanner(FormHost &host) : Form(host) {}

    void Label1_Click();
    void Label1_DblClick();
    void Label1_MouseDown();
    void Label1_MouseUp();

protected:
    const FormLayout &layout() const override;
    void wire() override;
    void Form_Load() override;
};

} // namespace corvane
