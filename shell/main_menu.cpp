#include "shell/main_menu.h"

#include "calc/decimal_window.h"
#include "calc/dm_window.h"
#include "gcs/gcs_window.h"
#include "shell/program.h"
#include "compasswin/compass_window.h"
#include "sightwin/sight_window.h"
#include "toolkit/language.h"
#include "toolkit/services.h"

namespace morvel::shell {

using namespace toolkit;

Morvelf::Morvelf(Program& program)
    : Form(QStringLiteral("morvelf"), programTitle, 6285, 5925),
      Label1(add<Label>(QStringLiteral("Label1"))),
      cmdDM(add<CommandButton>(QStringLiteral("cmdDM"))),
      cmdDD(add<CommandButton>(QStringLiteral("cmdDD"))),
      cmdGC(add<CommandButton>(QStringLiteral("cmdGC"))),
      cmdSight(add<CommandButton>(QStringLiteral("cmdSight"))),
      cmdCompass(add<CommandButton>(QStringLiteral("cmdCompass"))),
      Text1(add<TextBox>(QStringLiteral("Text1"))),
      lblNotice(add<Label>(QStringLiteral("lblNotice"))),
      program_(program)
{
    QFont bold(QStringLiteral("MS Sans Serif"));
    bold.setPointSizeF(8.25);
    bold.setBold(true);

    Label1.setCaption(QStringLiteral("Click below for data format"));
    place(Label1, 1620, 480, 2415, 255, 0);
    cmdDM.setCaption(QStringLiteral("Degrees and minutes"));
    place(cmdDM, 1560, 960, 2415, 495, 1);
    cmdDD.setCaption(QStringLiteral("Decimal degrees"));
    place(cmdDD, 1560, 1800, 2415, 495, 2);
    cmdGC.setCaption(QStringLiteral("Great Circle Sailing"));
    place(cmdGC, 1560, 2640, 2415, 495, 3);
    cmdSight.setCaption(QStringLiteral("&Sight Reduction"));
    place(cmdSight, 1560, 3480, 2415, 495, 4);
    cmdCompass.setCaption(QStringLiteral("&Compass Error"));
    place(cmdCompass, 1560, 4320, 2415, 495, 5);
    for (Control* c : {static_cast<Control*>(&Label1), static_cast<Control*>(&cmdDM), static_cast<Control*>(&cmdDD),
                       static_cast<Control*>(&cmdGC), static_cast<Control*>(&cmdSight),
                       static_cast<Control*>(&cmdCompass)})
        c->widget()->setFont(bold);
    for (CommandButton* b : {&cmdDM, &cmdDD, &cmdGC, &cmdSight, &cmdCompass})
        b->setBackColor(colors::buttonFace);

    Text1.setText(shown(QStringLiteral("Version %1")).arg(QStringLiteral(MORVEL_VERSION)));
    place(Text1, 360, 5160, 1215, 375, 6);
    Text1.setTabStop(false);
    Text1.setBackColor(colors::lightYellow);

    lblNotice.setCaption(QStringLiteral("Check every result against the almanac and tables before you rely on it."));
    place(lblNotice, 2760, 5040, 3015, 600, 7);

    cmdDD.onClick = [this] { cmdDD_Click(); };
    cmdDM.onClick = [this] { cmdDM_Click(); };
    cmdGC.onClick = [this] { cmdGC_Click(); };
    cmdSight.onClick = [this] { cmdSight_Click(); };
    cmdCompass.onClick = [this] { cmdCompass_Click(); };
}

void Morvelf::cmdDD_Click()
{
    program_.locddf().load();
    hideForm();
    program_.locdmf().hideForm();
    program_.locddf().showForm();
    program_.gcsf().hideForm();
}

void Morvelf::cmdDM_Click()
{
    program_.locdmf().load();
    program_.locddf().load();
    hideForm();
    program_.locddf().hideForm();
    program_.locdmf().showForm();
    program_.gcsf().hideForm();
}

void Morvelf::cmdGC_Click()
{
    program_.gcsf().load();
    program_.locddf().load();
    hideForm();
    program_.gcsf().showForm();
    program_.locddf().hideForm();
    program_.locdmf().hideForm();
}

}  // namespace morvel::shell

namespace morvel::shell {

void Morvelf::cmdSight_Click()
{
    sightwin::SightWindow& w = program_.sight();
    hideForm();
    w.show();
    w.raise();
    w.activateWindow();
}

void Morvelf::cmdCompass_Click()
{
    compasswin::CompassWindow& w = program_.compass();
    hideForm();
    w.show();
    w.raise();
    w.activateWindow();
}

}  // namespace morvel::shell
