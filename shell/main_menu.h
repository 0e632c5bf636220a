/// \file main_menu.h
/// \brief morvelf, the start-up window: a one-way launcher that hides itself
/// for the rest of the run and shows exactly one calculator.
#pragma once

#include "toolkit/form.h"

namespace morvel::shell {

class Program;

class Morvelf : public toolkit::Form {
public:
    explicit Morvelf(Program& program);

    toolkit::Label& Label1;
    toolkit::CommandButton& cmdDM;
    toolkit::CommandButton& cmdDD;
    toolkit::CommandButton& cmdGC;
    toolkit::TextBox& Text1;
    toolkit::Label& lblNotice;

private:
    void cmdDD_Click();
    void cmdDM_Click();
    void cmdGC_Click();

    Program& program_;
};

}  // namespace morvel::shell
