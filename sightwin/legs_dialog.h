/// \file legs_dialog.h
/// \brief The DR's legs as the navigator types them: each change of course
/// and speed with its time (UTC), a row each, in a small dialog from the
/// DR box's Legs... button. The rows as typed; the log reads them
/// (sightlog/logbook.h) and the DR box tints the button when one is wrong.
#pragma once

#include "sightlog/logbook.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QDialog;
class QWidget;

namespace morvel::sightwin {

/// Asks for the legs after the DR's, showing those given so far (course
/// and speed: the DR's, from its time, on the first line, not edited
/// here); the legs as typed, rows left blank dropped, or nothing when
/// cancelled. exec runs the dialog (tests replace it); by default
/// QDialog::exec.
std::optional<std::vector<sightlog::DrLeg>> askLegs(QWidget* parent, const sightlog::DrTrack& dr,
                                                    const std::function<int(QDialog&)>& exec = {});

}  // namespace morvel::sightwin
