/// \file main_menu.h
/// \brief morvelf, the start-up window: a one-way launcher that hides itself
/// for the rest of the run and shows exactly one calculator; the
/// sight-reduction and the compass windows return to it when closed.
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
    toolkit::CommandButton& cmdSight;
    toolkit::CommandButton& cmdCompass;
    toolkit::TextBox& Text1;
    toolkit::Label& lblNotice;

private:
    void cmdDD_Click();
    void cmdDM_Click();
    void cmdGC_Click();
    void cmdSight_Click();
    void cmdCompass_Click();

    Program& program_;
};

}  // namespace morvel::shell
