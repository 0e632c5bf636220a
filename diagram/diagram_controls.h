/// \file diagram_controls.h
/// \brief The meridian diagram's controls, one identical set on each
/// calculator window: the frame, the triangle's lines and labels, the body,
/// the remark box and the diagram commands. The drawing procedures move,
/// show, hide and recolour them; nothing else is painted.
#pragma once

#include "toolkit/form.h"

#include <optional>

namespace morvel::diagram {

/// Where one window puts the diagram's commands and remark, and what differs
/// between windows.
struct DiagramPlacement {
    int centreX, centreY, radius;  ///< the meridian circle at design time
    toolkit::Place cmdDraw1, cmdDraw2, txtMD, chkEllipse, txtCircarc;
    QString circarcText;            ///< the remark shown in circle-arc mode
    int linHCount = 42;             ///< elements of linH (42 or 43)
    bool departureMarker = false;   ///< shpBody2, the great-circle departure
    /// The animation commands, on the two celestial-triangle windows only.
    struct Animation {
        toolkit::Place Auto, Step, chkContinuous;
        QString stepCaption;
        QString timerName;           ///< "Timer1" or "Timer2"
        /// "Aut&o Step" marks the inputs as calculated, so that the first
        /// tick never recalculates (degrees and minutes).
        bool autoSkipsRecalculation = false;
    };
    std::optional<Animation> animation;
};

class DiagramControls {
public:
    DiagramControls(toolkit::Form& form, const DiagramPlacement& placement);

    toolkit::Shape& shpCelMer;
    toolkit::Line& linHor;
    toolkit::Line& linPV;
    toolkit::Line& linPP;
    toolkit::Line& linQQ;
    toolkit::Line& linDec;
    toolkit::Line& linAlt;
    toolkit::ControlArray<toolkit::Line> LinL;  ///< tick marks, 0..35
    toolkit::ControlArray<toolkit::Line> linV;  ///< vertical circle, 0..41
    toolkit::ControlArray<toolkit::Line> linH;  ///< hour circle, 0..41 (or 42)
    toolkit::ControlArray<toolkit::Line> LinA;  ///< azimuth construction line, 0..16
    toolkit::ControlArray<toolkit::Line> LinB;  ///< hour-angle construction line, 0..16
    toolkit::Shape& shpBody;
    toolkit::Shape* shpBody2;  ///< great-circle window only
    toolkit::Label& lblZ;
    toolkit::Label& lblNa;
    toolkit::Label& lblN;
    toolkit::Label& lblS;
    toolkit::Label& lblPn;
    toolkit::Label& lblPs;
    toolkit::Label& lblQ;
    toolkit::Label& lblQ2;
    toolkit::TextBox& txtCircarc;
    toolkit::CheckBox& chkEllipse;
    toolkit::CommandButton& cmdDraw1;
    toolkit::CommandButton& cmdDraw2;
    toolkit::TextBox& txtMD;
    // Animation, on the celestial-triangle windows only.
    toolkit::CommandButton* Auto = nullptr;
    toolkit::CommandButton* Step = nullptr;
    toolkit::CheckBox* chkContinuous = nullptr;
    toolkit::Timer* timer = nullptr;
};

/// A window the diagram can draw on: its diagram controls, its quantity
/// captions (coloured by quantity) and its remark box.
class DiagramSurface {
public:
    virtual ~DiagramSurface() = default;
    virtual DiagramControls& diagramControls() = 0;
    virtual toolkit::Label& caption(int i) = 0;  ///< lblDat(i)
    virtual toolkit::TextBox& remarks() = 0;     ///< txtOther
};

}  // namespace morvel::diagram
