#include "diagram/diagram_controls.h"

#include "toolkit/language.h"

#include <QCoreApplication>

namespace morvel::diagram {

using namespace toolkit;

namespace {

Label& letter(Form& f, const QString& name, const QString& caption)
{
    Label& l = f.add<Label>(name);
    l.setCaption(caption);
    l.move(0, 0, 300, 195);
    l.setVisible(false);
    return l;
}

ControlArray<Line> hiddenLines(Form& f, const QString& name, int count)
{
    auto a = f.addArray<Line>(name, 0, count - 1);
    for (Line* l : a)
        l->setVisible(false);
    return a;
}

Line& hiddenLine(Form& f, const QString& name)
{
    Line& l = f.add<Line>(name);
    l.setVisible(false);
    return l;
}

}  // namespace

DiagramControls::DiagramControls(Form& f, const DiagramPlacement& p)
    : shpCelMer(f.add<Shape>(QStringLiteral("shpCelMer"))),
      linHor(hiddenLine(f, QStringLiteral("linHor"))),
      linPV(hiddenLine(f, QStringLiteral("linPV"))),
      linPP(hiddenLine(f, QStringLiteral("linPP"))),
      linQQ(hiddenLine(f, QStringLiteral("linQQ"))),
      linDec(hiddenLine(f, QStringLiteral("linDec"))),
      linAlt(hiddenLine(f, QStringLiteral("linAlt"))),
      LinL(hiddenLines(f, QStringLiteral("LinL"), 36)),
      linV(hiddenLines(f, QStringLiteral("linV"), 42)),
      linH(hiddenLines(f, QStringLiteral("linH"), p.linHCount)),
      LinA(hiddenLines(f, QStringLiteral("LinA"), 17)),
      LinB(hiddenLines(f, QStringLiteral("LinB"), 17)),
      shpBody(f.add<Shape>(QStringLiteral("shpBody"))),
      shpBody2(p.departureMarker ? &f.add<Shape>(QStringLiteral("shpBody2")) : nullptr),
      lblZ(letter(f, QStringLiteral("lblZ"), QStringLiteral("Z"))),
      lblNa(letter(f, QStringLiteral("lblNa"), QStringLiteral("Na"))),
      lblN(letter(f, QStringLiteral("lblN"), QStringLiteral("N"))),
      lblS(letter(f, QStringLiteral("lblS"), QStringLiteral("S"))),
      lblPn(letter(f, QStringLiteral("lblPn"), QStringLiteral("Pn"))),
      lblPs(letter(f, QStringLiteral("lblPs"), QStringLiteral("Ps"))),
      lblQ(letter(f, QStringLiteral("lblQ"), QStringLiteral("Q"))),
      lblQ2(letter(f, QStringLiteral("lblQ2"), QStringLiteral("Q'"))),
      txtCircarc(f.add<TextBox>(QStringLiteral("txtCircarc"))),
      chkEllipse(f.add<CheckBox>(QStringLiteral("chkEllipse"))),
      cmdDraw1(f.add<CommandButton>(QStringLiteral("cmdDraw1"))),
      cmdDraw2(f.add<CommandButton>(QStringLiteral("cmdDraw2"))),
      txtMD(f.add<TextBox>(QStringLiteral("txtMD")))
{
    // The meridian circle stands where the diagram will be drawn, white.
    shpCelMer.setShape(3);
    shpCelMer.move(p.centreX - p.radius, p.centreY - p.radius, 2 * p.radius, 2 * p.radius);
    shpCelMer.setBackColor(colors::white);

    // The body: a small filled circle that reads on the white meridian circle.
    for (Shape* s : {&shpBody, shpBody2}) {
        if (!s)
            continue;
        s->setShape(3);
        s->move(0, 0, 100, 100);
        s->setBackColor(colors::black);
        s->setVisible(false);
    }

    place(txtCircarc, p.txtCircarc);
    txtCircarc.setText(shown(p.circarcText));
    txtCircarc.setBackColor(colors::pink);
    txtCircarc.setVisible(false);
    // Names for a screen reader, which has no caption beside them to read.
    txtCircarc.widget()->setAccessibleName(QCoreApplication::translate("Diagram", "Diagram remark"));
    txtMD.widget()->setAccessibleName(QCoreApplication::translate("Diagram", "Meridian diagram shown"));

    place(chkEllipse, p.chkEllipse);
    chkEllipse.setCaption(QStringLiteral("Ell&ipse"));
    chkEllipse.setBackColor(colors::lightYellow);
    chkEllipse.setValue(1);

    place(cmdDraw1, p.cmdDraw1);
    cmdDraw1.setCaption(QStringLiteral("Draw #&1"));
    place(cmdDraw2, p.cmdDraw2);
    cmdDraw2.setCaption(QStringLiteral("Draw #&2"));
    for (CommandButton* b : {&cmdDraw1, &cmdDraw2}) {
        b->setBackColor(colors::white);
        b->setVisible(false);
    }

    place(txtMD, p.txtMD);
    txtMD.setVisible(false);

    if (p.animation) {
        const auto& a = *p.animation;
        Auto = &f.add<CommandButton>(QStringLiteral("Auto"));
        place(*Auto, a.Auto);
        Auto->setCaption(QStringLiteral("Aut&o Step"));
        Auto->setBackColor(colors::buttonFace);
        Step = &f.add<CommandButton>(QStringLiteral("Step"));
        place(*Step, a.Step);
        Step->setCaption(a.stepCaption);
        Step->setBackColor(colors::buttonFace);
        chkContinuous = &f.add<CheckBox>(QStringLiteral("chkContinuous"));
        place(*chkContinuous, a.chkContinuous);
        chkContinuous->setCaption(QStringLiteral("Continuous step"));
        chkContinuous->setBackColor(colors::lightYellow);
        timer = &f.add<Timer>(a.timerName);
        timer->setInterval(500);
    }
}

}  // namespace morvel::diagram
