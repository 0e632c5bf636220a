/// \file calculator_window.h
/// \brief What the three calculator windows share: a window the engine
/// reports to, with the common font, colours and close behaviour, the
/// quantity captions lblDat, the remark box txtOther and the meridian
/// diagram's controls; the rows and the procedures over them; `other` (the
/// same on every calculator), "&Calculate", "Cl&ear", "&Print" and "&Quit",
/// and a small helper for showing messages.
///
/// The rows. Row i is the engine's field m = i + 1. It has a degrees box
/// txtDeg(i) (the entry and the first result), a minutes box txtMin(i) where
/// the window has one for it, a status box txtIo(i) ("Input", "Output",
/// "2 Outputs"), and a second-solution column: txtDeg2(i), txtMin2(i) where
/// the row has minutes, and the captions beside them. A row with a direction
/// has two option buttons in a frame, North or East first, and a hidden frame
/// with the second solution's pair. Rows 0 and 2 take North or South on every
/// calculator, in fraLat and fraDec (latitude and declination; latitudes of
/// departure and destination). A window tells how many rows it has, which
/// have minutes, and how each is checked (RowRule) and written (resultText);
/// the reading, the checks, the writing of results on cyan, the status
/// markers and the common parts of reset and Clear are here.
#pragma once

#include "diagram/diagram_controls.h"
#include "engine/state.h"
#include "navtext/degmin.h"
#include "toolkit/form.h"

#include <vector>

namespace morvel::calc {

/// The checks made on a row typed as degrees (and minutes), each where its
/// quantity makes it.
enum class Check {
    range,       ///< a given row typed as numbers (degmin.h), its degrees alone in range, or stop
    minutes,     ///< minutes in 0 to under 60, or warn and go on
    hemisphere,  ///< one of the row's direction buttons chosen, or stop
    combine,     ///< degrees and minutes together in range, or stop
    marker,      ///< "Input" beside a given row
};

/// How a row typed as degrees (and minutes) is checked: its range in
/// degrees (inclusive; the bounds are exact multiples of pi in radians), the
/// checks in their order and their messages. Only the minutes are looked at
/// when the row is not given. signedDegrees: the degrees carry their own
/// sign (the altitude), see degmin.h.
struct RowRule {
    double lo = 0, hi = 0;
    std::vector<Check> order;
    QString rangeMessage, minutesMessage, directionMessage;
    bool signedDegrees = false;
};

/// A row as read, after its checks.
struct RowValue {
    bool given = false;
    double radians = 0;        ///< degrees and minutes together, as typed
    bool southOrWest = false;  ///< the second of the row's direction buttons is chosen
    /// North and East positive.
    double signedRadians() const { return southOrWest ? -radians : radians; }
};

/// Controls by row where not every row has one: the minutes boxes (none in
/// decimal degrees, none beside the distance) and their captions.
template <class T>
class MinutesColumn {
public:
    explicit MinutesColumn(int rows) : items_(size_t(rows)) {}
    T& operator()(int i) const { return *items_.at(size_t(i)); }
    bool has(int i) const { return items_.at(size_t(i)) != nullptr; }
    void set(int i, T& c) { items_.at(size_t(i)) = &c; }

private:
    std::vector<T*> items_;
};

/// A frame and its two direction buttons: North or East, South or West.
struct DirectionPair {
    toolkit::Frame& frame;
    toolkit::OptionButton& first;
    toolkit::OptionButton& second;
};

/// A window's rows: how many, which have a minutes box, and what its reset
/// does beyond the common part.
struct RowShape {
    int count;
    bool (*hasMinutes)(int row);
    /// reset turns the captions black again (the diagram colours them).
    bool resetBlackensCaptions;
    /// reset empties and whitens the second minutes; otherwise they are only
    /// hidden and keep their text.
    bool resetEmptiesSecondMinutes;
};

class CalculatorWindow : public toolkit::Form, public engine::CalcWindow, public diagram::DiagramSurface {
public:
    /// index is the window's place in the engine's registry (1, 2 or 3).
    CalculatorWindow(int index, const QString& name, const QString& caption, double widthTwips,
                     double heightTwips, const RowShape& rows, const diagram::DiagramPlacement& placement);

    int registryIndex() const { return index_; }

    /// Shows x1 (and x2 when f is 2) in row m - 1 in the window's texts
    /// (resultText), on cyan, marks it "Output" or "2 Outputs", and for the
    /// latitude rows chooses and colours the hemisphere: North above 0, else
    /// South (exactly 0 is South), the second one in its frame made visible.
    void output(double x1, double x2, int16_t f, int16_t m) override;
    /// "Many Other Solutions" on cyan in txtOther when
    /// the body is on the meridian (math::onMeridian).
    void other(double z, double t) override;
    /// "Many Other Solutions" on cyan in txtOther.
    void remark() override;

    /// Removes the results and markers: whitens the boxes and the direction
    /// buttons, empties and hides the status and second-solution columns,
    /// deselects the latitudes' second hemispheres and hides the diagram's
    /// results. The typed texts and the entry directions stay.
    virtual void reset();

    diagram::DiagramControls& diagramControls() override { return dc; }
    toolkit::Label& caption(int i) override { return lblDat(i); }
    toolkit::TextBox& remarks() override { return txtOther; }

    toolkit::ControlArray<toolkit::Label> lblDat;
    toolkit::TextBox& txtOther;
    diagram::DiagramControls dc;

    toolkit::ControlArray<toolkit::TextBox> txtDeg;  ///< entry and first result (degrees)
    MinutesColumn<toolkit::TextBox> txtMin;          ///< entry and first result (minutes)
    toolkit::Frame& fraLat;
    toolkit::OptionButton& optLatN;
    toolkit::OptionButton& optLatS;
    toolkit::Frame& fraDec;
    toolkit::OptionButton& optDecN;
    toolkit::OptionButton& optDecS;
    toolkit::ControlArray<toolkit::TextBox> txtIo;    ///< "Input", "Output", "2 Outputs"
    toolkit::ControlArray<toolkit::TextBox> txtDeg2;  ///< second result (degrees)
    MinutesColumn<toolkit::TextBox> txtMin2;          ///< second result (minutes)
    toolkit::Frame& fraLat2;
    toolkit::OptionButton& optLatN2;
    toolkit::OptionButton& optLatS2;
    toolkit::Frame& fraDec2;
    toolkit::OptionButton& optDecN2;
    toolkit::OptionButton& optDecS2;
    toolkit::CommandButton& cmdStart;
    toolkit::CommandButton& Clear;
    toolkit::CommandButton& Print;
    toolkit::CommandButton& cmdExit;

    /// Draw #1 / Draw #2: draws that solution set and names it in txtMD.
    void drawSet(int16_t n);
    /// "Ell&ipse" changed: the diagram on show is drawn again in the other mode.
    static void chkEllipse_Click();

    /// "&Calculate" and "Cl&ear".
    virtual void cmdStart_Click() = 0;
    virtual void Clear_Click() = 0;
    /// "&Print": the window registered under this window's index (this one
    /// while none is), on the printer, under a line with its caption and the
    /// time of printing in UTC ("Morvel (Decimal Degrees) — printed
    /// 2026-12-07 14:05 UTC").
    void Print_Click();
    /// "&Quit": ends the program.
    static void cmdExit_Click();

    // The animation, on the celestial-triangle windows.
    void Auto_Click();
    void Step_Click();
    void Timer_Timer();
    /// Stops the window's automatic run: "Cl&ear" ends it, so that no tick
    /// refills the cleared window. (The animation's own steps clear the
    /// window too, and must not stop it.)
    void stopAnimation();
    /// After an animation step: the latitude, LHA and declination rows read
    /// "Input" on white, as after a calculation from those three.
    virtual void markStepInputs() {}

protected:
    int rowCount() const { return txtDeg.count(); }
    /// The boxes a user types row i into: txtDeg(i), and txtMin(i) where
    /// the row has minutes.
    std::vector<toolkit::TextBox*> inputs(int i) const;

    /// Makes pair row i's direction buttons and pair2 those of its second
    /// solution: all white, none chosen, the second frame hidden.
    void setDirections(int i, DirectionPair pair, DirectionPair pair2);
    /// Label l stands beside row i's second value: hidden until it is shown.
    void addSecondCaption(int i, toolkit::Label& l);
    /// A column named name with an element for each row that has minutes.
    template <class T>
    MinutesColumn<T> addMinutesColumn(const QString& name, bool (*hasMinutes)(int row))
    {
        MinutesColumn<T> column(lblDat.count());
        for (int i = 0; i < lblDat.count(); ++i)
            if (hasMinutes(i))
                column.set(i, add<T>(name, i));
        return column;
    }

    /// Reads row i and makes its checks in the rule's order: a stop returns
    /// false, with the focus in the minutes box when its text is not a
    /// number and in the degrees box otherwise; the minutes warning is shown
    /// and the minutes used as typed.
    bool readRow(int i, const RowRule& rule, RowValue& v);
    /// A message that stops the calculation; then the focus returns to the
    /// box at fault, its text selected for the user to type again.
    void stop(const QString& text, toolkit::TextBox& fault);
    /// "Input" beside row i.
    void markInput(int i);
    /// The texts of x (radians) in row i: its degrees, and its minutes where
    /// the row has them.
    virtual navtext::DegMinText resultText(int i, double x) const = 0;

    /// What Clear does on every calculator: no direction chosen, reset, the
    /// input boxes emptied, the focus in txtDeg(0).
    void clearRows();
    /// No hemisphere chosen, in either column.
    void deselectHemispheres();
    /// The hemisphere of x1 chosen in row i: North or East above 0, else
    /// South or West; with f = 2 the second frame shown and x2's hemisphere
    /// chosen there. With cyan the chosen buttons turn cyan, as a latitude's
    /// result does; a longitude's does not.
    void showHemispheres(int i, double x1, double x2, int16_t f, bool cyan);

    /// A modal message with one OK button, captioned with the program's title.
    static void message(const QString& text);


private:
    /// Row i's direction buttons and the captions of its second value.
    struct Row {
        toolkit::OptionButton* first = nullptr;
        toolkit::OptionButton* second = nullptr;
        toolkit::Frame* frame2 = nullptr;
        toolkit::OptionButton* first2 = nullptr;
        toolkit::OptionButton* second2 = nullptr;
        std::vector<toolkit::Label*> captions2;
    };

    bool checkRow(int i, const navtext::AngleReading& a, const RowRule& rule);
    /// Shows the texts t in row i's first boxes, or its second ones with
    /// their captions, on cyan.
    void show(int i, const navtext::DegMinText& t, bool second);
    /// Empties, whitens and hides row i's second value (its minutes as the
    /// window's reset does) and hides its captions.
    void hideSecond(int i);
    /// Hides linPP, linQQ, linDec, linAlt, lblPn, lblPs, lblQ, lblQ2, linV,
    /// linH, LinA, LinB (the listed indices), then txtOther, cmdDraw1,
    /// cmdDraw2, txtMD and shpBody. The frame stays.
    void hideDiagramResults();

    int index_;
    bool autoSkipsRecalculation_ = false;
    bool remarked_ = false;  ///< "Many Other Solutions" goes with the results on show
    RowShape shape_;
    std::vector<Row> rows_;
};

/// The global window with this registry index, created when needed.
engine::CalcWindow* registered(int index);

}  // namespace morvel::calc
