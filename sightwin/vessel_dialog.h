/// \file vessel_dialog.h
/// \brief The vessel and the navigator the printed page names, typed once
/// and kept from then on (SightDocument remembers them): a small dialog
/// from the File menu.
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <utility>

class QDialog;
class QWidget;

namespace morvel::sightwin {

/// Asks for the vessel and the navigator, showing those given so far;
/// the two as typed, or nothing when cancelled. exec runs the dialog
/// (tests replace it); by default QDialog::exec.
std::optional<std::pair<QString, QString>> askVesselAndNavigator(QWidget* parent, const QString& vessel,
                                                                 const QString& navigator,
                                                                 const std::function<int(QDialog&)>& exec = {});

}  // namespace morvel::sightwin
