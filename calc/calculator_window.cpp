#include "calc/calculator_window.h"

#include "engine/angles.h"
#include "toolkit/services.h"

#include <cmath>
#include <numbers>

namespace morvel::calc {

CalculatorWindow::CalculatorWindow(int index, const QString& name, const QString& caption,
                                   double widthTwips, double heightTwips, int captions,
                                   const diagram::DiagramPlacement& placement)
    : Form(name, caption, widthTwips, heightTwips),
      lblDat(addArray<toolkit::Label>(QStringLiteral("lblDat"), 0, captions - 1)),
      txtOther(add<toolkit::TextBox>(QStringLiteral("txtOther"))),
      dc(*this, placement),
      index_(index)
{
    setFormFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    // Closing the visible calculator by its title bar ends the program, as
    // "&Quit" does: the other windows are hidden and nothing may keep running.
    onClose = [] { cmdExit_Click(); };
    txtOther.setBackColor(toolkit::colors::lightYellow);
    txtOther.setTabStop(false);

    dc.cmdDraw1.onClick = [this] { drawSet(1); };
    dc.cmdDraw2.onClick = [this] { drawSet(2); };
    dc.chkEllipse.onClick = [] { chkEllipse_Click(); };
    if (dc.Auto) {
        dc.Auto->onClick = [this] { Auto_Click(); };
        dc.Step->onClick = [this] { Step_Click(); };
        dc.timer->onTimer = [this] { Timer_Timer(); };
    }
    autoSkipsRecalculation_ = placement.animation && placement.animation->autoSkipsRecalculation;
}

namespace {

void stepOnce()
{
    if (engine::CalcWindow* drawing = engine::form(1))
        drawing->increment();
}

}  // namespace

void CalculatorWindow::Auto_Click()
{
    if (autoSkipsRecalculation_)
        engine::calcflag = 1;
    engine::ticks = 0;
    dc.timer->setEnabled(true);
}

void CalculatorWindow::Step_Click()
{
    engine::calcflag = 1;
    stepOnce();
    dc.timer->setEnabled(false);
}

void CalculatorWindow::Timer_Timer()
{
    // A run makes 24 steps of 15 degrees, a full turn, and stops on the 25th
    // tick. In continuous mode the count is not needed; it stops growing
    // past 25 so that it cannot overflow.
    if (engine::ticks <= 25)
        ++engine::ticks;
    if (dc.chkContinuous->value() != 0) {
        stepOnce();
        return;
    }
    if (engine::ticks <= 24)
        stepOnce();
    if (engine::ticks == 25) {
        engine::ticks = 0;
        dc.timer->setEnabled(false);
    }
}

void CalculatorWindow::stopAnimation()
{
    if (dc.timer)
        dc.timer->setEnabled(false);
}

void CalculatorWindow::drawSet(int16_t n)
{
    // The diagram's procedures are carried by the decimal-degrees window for
    // every calculator; the buttons are only shown on the active window.
    if (engine::CalcWindow* drawing = engine::form(1))
        drawing->drawmd(n);
    engine::mdset = n;
    dc.txtMD.setVisible(true);
    dc.txtMD.setText(QStringLiteral("Meridian Diagram #%1").arg(n));
}

void CalculatorWindow::chkEllipse_Click()
{
    // Redraw the set on show in the other mode; nothing before a diagram is
    // drawn or while the choice between two sets is pending.
    if (engine::mdset < 1)
        return;
    if (engine::CalcWindow* drawing = engine::form(1))
        drawing->drawmd(engine::mdset);
}

void CalculatorWindow::other(double z, double t)
{
    if (math::onMeridian(z, t))
        remark();
}

void CalculatorWindow::remark()
{
    txtOther.setVisible(true);
    txtOther.setText(QStringLiteral("Many Other Solutions"));
    txtOther.setBackColor(toolkit::colors::cyan);
}

void CalculatorWindow::hideDiagramResults()
{
    for (toolkit::Control* c : {static_cast<toolkit::Control*>(&dc.linPP), static_cast<toolkit::Control*>(&dc.linQQ),
                                static_cast<toolkit::Control*>(&dc.linDec), static_cast<toolkit::Control*>(&dc.linAlt),
                                static_cast<toolkit::Control*>(&dc.lblPn), static_cast<toolkit::Control*>(&dc.lblPs),
                                static_cast<toolkit::Control*>(&dc.lblQ), static_cast<toolkit::Control*>(&dc.lblQ2)})
        c->setVisible(false);
    for (int i = 0; i <= 41; ++i) {
        dc.linV(i).setVisible(false);
        dc.linH(i).setVisible(false);
    }
    for (int i = 0; i <= 16; ++i) {
        dc.LinA(i).setVisible(false);
        dc.LinB(i).setVisible(false);
    }
    txtOther.setVisible(false);
    dc.cmdDraw1.setVisible(false);
    dc.cmdDraw2.setVisible(false);
    dc.txtMD.setVisible(false);
    dc.shpBody.setVisible(false);
}

void CalculatorWindow::message(const QString& text)
{
    if (toolkit::MessageBoxService* box = toolkit::services().messages)
        box->show(text);
}

bool CalculatorWindow::checkRow(const AngleReading& a, const RowCheck& row)
{
    // A row not given passes; a given one must read as a finite number within
    // the range. The bounds are exact multiples of pi (90 degrees is pi / 2).
    constexpr double pi = std::numbers::pi;
    auto inRange = [&](double degrees) {
        const double x = degrees * (pi / 180);
        return !a.given || (!a.overflow && row.lo / 180 * pi <= x && x <= row.hi / 180 * pi);
    };
    for (Check check : row.order) {
        switch (check) {
        case Check::range:
            if (!inRange(a.degrees)) {
                message(row.rangeMessage);
                return false;
            }
            break;
        case Check::minutes:
            // Warned whether or not the row is given; the value is used as typed.
            if (!minutesInRange(a.minutes))
                message(row.minutesMessage);
            break;
        case Check::hemisphere:
            if (a.given && !row.first->value() && !row.second->value()) {
                message(row.directionMessage);
                return false;
            }
            break;
        case Check::combine:
            // 90 degrees 30 minutes of latitude is out of range although
            // both its parts are within theirs.
            if (!inRange(a.combined)) {
                message(row.rangeMessage);
                return false;
            }
            break;
        case Check::marker:
            if (a.given) {
                row.marker.setText(QStringLiteral("Input"));
                row.marker.setVisible(true);
            }
            break;
        }
    }
    return true;
}

void CalculatorWindow::showHemispheres(double x1, double x2, int16_t f, const HemisphereButtons& b)
{
    auto choose = [](double x, toolkit::OptionButton& north, toolkit::OptionButton& south) {
        toolkit::OptionButton& chosen = x > 0 ? north : south;
        chosen.setValue(true);
        chosen.setBackColor(toolkit::colors::cyan);
    };
    choose(x1, b.north, b.south);
    if (f == 2) {
        b.frame2.setVisible(true);
        choose(x2, b.north2, b.south2);
    }
}

void CalculatorWindow::Print_Click()
{
    // AutoRedraw is implicit: a window always draws all it shows.
    auto* window = dynamic_cast<toolkit::Form*>(engine::form(registryIndex()));
    if (!window)
        window = this;
    if (toolkit::PrintService* printer = toolkit::services().printer)
        printer->print(*window);
}

void CalculatorWindow::cmdExit_Click()
{
    if (toolkit::QuitService* q = toolkit::services().quitter)
        q->quit();
}

engine::CalcWindow* registered(int index)
{
    return engine::windowFactory ? engine::windowFactory(index) : engine::form(index);
}

}  // namespace morvel::calc
