#include "calc/calculator_window.h"

#include "engine/angles.h"
#include "toolkit/language.h"
#include "toolkit/services.h"

#include <cmath>
#include <numbers>

namespace morvel::calc {

CalculatorWindow::CalculatorWindow(int index, const QString& name, const QString& caption,
                                   double widthTwips, double heightTwips, const RowShape& rows,
                                   const diagram::DiagramPlacement& placement)
    : Form(name, caption, widthTwips, heightTwips),
      lblDat(addArray<toolkit::Label>(QStringLiteral("lblDat"), 0, rows.count - 1)),
      txtOther(add<toolkit::TextBox>(QStringLiteral("txtOther"))),
      dc(*this, placement),
      txtDeg(addArray<toolkit::TextBox>(QStringLiteral("txtDeg"), 0, rows.count - 1)),
      txtMin(addMinutesColumn<toolkit::TextBox>(QStringLiteral("txtMin"), rows.hasMinutes)),
      fraLat(add<toolkit::Frame>(QStringLiteral("fraLat"))),
      optLatN(add<toolkit::OptionButton>(QStringLiteral("optLatN"), -1, &fraLat)),
      optLatS(add<toolkit::OptionButton>(QStringLiteral("optLatS"), -1, &fraLat)),
      fraDec(add<toolkit::Frame>(QStringLiteral("fraDec"))),
      optDecN(add<toolkit::OptionButton>(QStringLiteral("optDecN"), -1, &fraDec)),
      optDecS(add<toolkit::OptionButton>(QStringLiteral("optDecS"), -1, &fraDec)),
      txtIo(addArray<toolkit::TextBox>(QStringLiteral("txtIo"), 0, rows.count - 1)),
      txtDeg2(addArray<toolkit::TextBox>(QStringLiteral("txtDeg2"), 0, rows.count - 1)),
      txtMin2(addMinutesColumn<toolkit::TextBox>(QStringLiteral("txtMin2"), rows.hasMinutes)),
      fraLat2(add<toolkit::Frame>(QStringLiteral("fraLat2"))),
      optLatN2(add<toolkit::OptionButton>(QStringLiteral("optLatN2"), -1, &fraLat2)),
      optLatS2(add<toolkit::OptionButton>(QStringLiteral("optLatS2"), -1, &fraLat2)),
      fraDec2(add<toolkit::Frame>(QStringLiteral("fraDec2"))),
      optDecN2(add<toolkit::OptionButton>(QStringLiteral("optDecN2"), -1, &fraDec2)),
      optDecS2(add<toolkit::OptionButton>(QStringLiteral("optDecS2"), -1, &fraDec2)),
      cmdStart(add<toolkit::CommandButton>(QStringLiteral("cmdStart"))),
      Clear(add<toolkit::CommandButton>(QStringLiteral("Clear"))),
      Print(add<toolkit::CommandButton>(QStringLiteral("Print"))),
      cmdExit(add<toolkit::CommandButton>(QStringLiteral("cmdExit"))),
      index_(index),
      shape_(rows),
      rows_(size_t(rows.count))
{
    using namespace toolkit;
    setFormFont(QStringLiteral("MS Sans Serif"), 8.25, true);
    // Closing the visible calculator by its title bar ends the program, as
    // "&Quit" does: the other windows are hidden and nothing may keep running.
    onClose = [] { cmdExit_Click(); };
    txtOther.setBackColor(colors::lightYellow);
    txtOther.setTabStop(false);

    for (int i = 0; i < rows.count; ++i) {
        lblDat(i).setBackColor(colors::lightYellow);
        for (TextBox* b : inputs(i))
            b->setBackColor(colors::white);
        txtIo(i).setBackColor(colors::white);
        txtIo(i).setVisible(false);
        txtDeg2(i).setBackColor(colors::white);
        txtDeg2(i).setVisible(false);
        if (txtMin2.has(i)) {
            txtMin2(i).setBackColor(colors::white);
            txtMin2(i).setVisible(false);
        }
    }
    optLatN.setCaption(QStringLiteral("&North"));
    optLatS.setCaption(QStringLiteral("&South"));
    optDecN.setCaption(QStringLiteral("Nor&th"));
    optDecS.setCaption(QStringLiteral("So&uth"));
    for (OptionButton* o : {&optLatN2, &optDecN2})
        o->setCaption(QStringLiteral("North"));
    for (OptionButton* o : {&optLatS2, &optDecS2})
        o->setCaption(QStringLiteral("South"));
    setDirections(0, {fraLat, optLatN, optLatS}, {fraLat2, optLatN2, optLatS2});
    setDirections(2, {fraDec, optDecN, optDecS}, {fraDec2, optDecN2, optDecS2});

    cmdStart.setCaption(QStringLiteral("&Calculate"));
    setDefaultButton(&cmdStart);
    Clear.setCaption(QStringLiteral("Cl&ear"));
    Print.setCaption(QStringLiteral("&Print"));
    cmdExit.setCaption(QStringLiteral("&Quit"));
    for (CommandButton* b : {&cmdStart, &Clear, &cmdExit})
        b->setBackColor(colors::white);
    Print.setBackColor(colors::buttonFace);
    cmdStart.onClick = [this] { cmdStart_Click(); };
    Clear.onClick = [this] { Clear_Click(); };
    Print.onClick = [this] { Print_Click(); };
    cmdExit.onClick = [] { cmdExit_Click(); };

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
    dc.txtMD.setBackColor(toolkit::colors::white);
    dc.txtMD.setText(toolkit::shown(QStringLiteral("Meridian Diagram #%1")).arg(n));
    // The choice is made: the remark that waited in txtMD takes its box back.
    if (remarked_)
        remark();
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
    remarked_ = true;
    txtOther.setVisible(true);
    txtOther.setText(toolkit::shown(QStringLiteral("Many Other Solutions")));
    txtOther.setBackColor(toolkit::colors::cyan);
}

void CalculatorWindow::hideDiagramResults()
{
    remarked_ = false;
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

// ---- The rows ----

std::vector<toolkit::TextBox*> CalculatorWindow::inputs(int i) const
{
    if (txtMin.has(i))
        return {&txtDeg(i), &txtMin(i)};
    return {&txtDeg(i)};
}

void CalculatorWindow::setDirections(int i, DirectionPair pair, DirectionPair pair2)
{
    Row& row = rows_.at(size_t(i));
    row.first = &pair.first;
    row.second = &pair.second;
    row.frame2 = &pair2.frame;
    row.first2 = &pair2.first;
    row.second2 = &pair2.second;
    for (const DirectionPair& p : {pair, pair2}) {
        for (toolkit::Control* c : {static_cast<toolkit::Control*>(&p.frame), static_cast<toolkit::Control*>(&p.first),
                                    static_cast<toolkit::Control*>(&p.second)})
            c->setBackColor(toolkit::colors::white);
        p.first.setValue(false);
        p.second.setValue(false);
    }
    pair2.frame.setVisible(false);
}

void CalculatorWindow::addSecondCaption(int i, toolkit::Label& l)
{
    rows_.at(size_t(i)).captions2.push_back(&l);
    l.setVisible(false);
}

bool CalculatorWindow::readRow(int i, const RowRule& rule, RowValue& v)
{
    const QString minutes = txtMin.has(i) ? txtMin(i).text() : QString();
    const navtext::AngleReading a =
        navtext::readAngle(txtDeg(i).text().toStdString(), minutes.toStdString(), rule.signedDegrees);
    if (!checkRow(i, a, rule))
        return false;
    const Row& row = rows_.at(size_t(i));
    v.given = a.given;
    v.radians = a.combined * math::degree;
    // Whether the row is given or not.
    v.southOrWest = row.second && row.second->value();
    return true;
}

bool CalculatorWindow::checkRow(int i, const navtext::AngleReading& a, const RowRule& rule)
{
    // A row not given passes; a given one must be typed as numbers and read
    // as a finite number within the range. The bounds are exact multiples of
    // pi (90 degrees is pi / 2).
    constexpr double pi = std::numbers::pi;
    auto inRange = [&](double degrees) {
        const double x = degrees * (pi / 180);
        return !a.given || (!a.overflow && rule.lo / 180 * pi <= x && x <= rule.hi / 180 * pi);
    };
    const Row& row = rows_.at(size_t(i));
    for (Check check : rule.order) {
        switch (check) {
        case Check::range:
            if (a.mistyped == navtext::Mistyped::minutes) {
                stop(rule.rangeMessage, txtMin(i));
                return false;
            }
            if (a.mistyped == navtext::Mistyped::degrees || !inRange(a.degrees)) {
                stop(rule.rangeMessage, txtDeg(i));
                return false;
            }
            break;
        case Check::minutes:
            // Warned whether or not the row is given; the value is used as typed.
            if (!navtext::minutesInRange(a.minutes))
                message(rule.minutesMessage);
            break;
        case Check::hemisphere:
            if (a.given && !row.first->value() && !row.second->value()) {
                stop(rule.directionMessage, txtDeg(i));
                return false;
            }
            break;
        case Check::combine:
            // 90 degrees 30 minutes of latitude is out of range although
            // both its parts are within theirs.
            if (!inRange(a.combined)) {
                stop(rule.rangeMessage, txtDeg(i));
                return false;
            }
            break;
        case Check::marker:
            if (a.given)
                markInput(i);
            break;
        }
    }
    return true;
}

void CalculatorWindow::stop(const QString& text, toolkit::TextBox& fault)
{
    message(text);
    fault.focusAndSelect();
}

void CalculatorWindow::markInput(int i)
{
    txtIo(i).setText(toolkit::shown(QStringLiteral("Input")));
    txtIo(i).setVisible(true);
}

void CalculatorWindow::output(double x1, double x2, int16_t f, int16_t m)
{
    if (f == 0 || m < 1 || m > rowCount())
        return;
    const int i = m - 1;
    show(i, resultText(i, x1), false);
    txtIo(i).setVisible(true);
    txtIo(i).setBackColor(toolkit::colors::cyan);
    if (f == 1) {
        txtIo(i).setText(toolkit::shown(QStringLiteral("Output")));
    } else {
        show(i, resultText(i, x2), true);
        txtIo(i).setText(toolkit::shown(QStringLiteral("2 Outputs")));
    }
    if (m == 1 || m == 3)
        showHemispheres(i, x1, x2, f, true);
}

void CalculatorWindow::show(int i, const navtext::DegMinText& t, bool second)
{
    auto write = [](toolkit::TextBox& box, const std::string& text) {
        box.setText(QString::fromStdString(text));
        box.setBackColor(toolkit::colors::cyan);
        box.setVisible(true);
    };
    write(second ? txtDeg2(i) : txtDeg(i), t.degrees);
    if (txtMin.has(i))
        write(second ? txtMin2(i) : txtMin(i), t.minutes);
    if (second)
        for (toolkit::Label* l : rows_.at(size_t(i)).captions2)
            l->setVisible(true);
}

void CalculatorWindow::showHemispheres(int i, double x1, double x2, int16_t f, bool cyan)
{
    auto choose = [cyan](double x, toolkit::OptionButton* north, toolkit::OptionButton* south) {
        toolkit::OptionButton& chosen = x > 0 ? *north : *south;
        chosen.setValue(true);
        if (cyan)
            chosen.setBackColor(toolkit::colors::cyan);
    };
    const Row& row = rows_.at(size_t(i));
    choose(x1, row.first, row.second);
    if (f == 2) {
        row.frame2->setVisible(true);
        choose(x2, row.first2, row.second2);
    }
}

void CalculatorWindow::hideSecond(int i)
{
    txtDeg2(i).setText(QString());
    txtDeg2(i).setBackColor(toolkit::colors::white);
    txtDeg2(i).setVisible(false);
    if (txtMin2.has(i)) {
        if (shape_.resetEmptiesSecondMinutes) {
            txtMin2(i).setText(QString());
            txtMin2(i).setBackColor(toolkit::colors::white);
        }
        txtMin2(i).setVisible(false);
    }
    for (toolkit::Label* l : rows_.at(size_t(i)).captions2)
        l->setVisible(false);
}

void CalculatorWindow::reset()
{
    using namespace toolkit;
    for (OptionButton* o : {&optLatN2, &optLatS2, &optDecN2, &optDecS2})
        o->setValue(false);
    for (int i = 0; i < rowCount(); ++i) {
        for (TextBox* b : inputs(i))
            b->setBackColor(colors::white);
        txtIo(i).setText(QString());
        txtIo(i).setVisible(false);
        // Without this a row that was a result and is now an input shows its
        // "Input" marker cyan after the next calculation.
        txtIo(i).setBackColor(colors::white);
        hideSecond(i);
        if (shape_.resetBlackensCaptions)
            lblDat(i).setForeColor(colors::black);
        const Row& row = rows_.at(size_t(i));
        if (!row.first)
            continue;
        row.frame2->setVisible(false);
        for (OptionButton* o : {row.first, row.second, row.first2, row.second2})
            o->setBackColor(colors::white);
    }
    hideDiagramResults();
}

void CalculatorWindow::clearRows()
{
    for (const Row& row : rows_)
        if (row.first) {
            row.first->setValue(false);
            row.second->setValue(false);
        }
    reset();
    for (int i = 0; i < rowCount(); ++i)
        for (toolkit::TextBox* b : inputs(i))
            b->setText(QString());
    txtDeg(0).setFocus();
}

void CalculatorWindow::deselectHemispheres()
{
    for (toolkit::OptionButton* o :
         {&optLatN, &optLatS, &optDecN, &optDecS, &optLatN2, &optLatS2, &optDecN2, &optDecS2})
        o->setValue(false);
}

void CalculatorWindow::Print_Click()
{
    // AutoRedraw is implicit: a window always draws all it shows.
    auto* window = dynamic_cast<toolkit::Form*>(engine::form(registryIndex()));
    if (!window)
        window = this;
    toolkit::Services& s = toolkit::services();
    if (!s.printer)
        return;
    const QString when = s.clock().toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    s.printer->print(*window, toolkit::shown(QStringLiteral("%1 — printed %2 UTC")).arg(window->caption(), when));
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
