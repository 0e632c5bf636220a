/// \file identify_dialog.h
/// \brief Which body was that? A dialog that takes the azimuth of a sight
/// logged without its body and lists the stars and planets that could have
/// given it (sight::identify), nearest first, for the navigator to choose.
///
/// The azimuth is typed as the navigators write it (navtext::readNavAngle, a
/// circle: 0 to 360 degrees, true, the compass corrected). The candidates
/// show dAlt (the body's Hc less Ho) and dZn (the body's Zn less the typed
/// azimuth) in degrees and minutes.
#pragma once

#include "sight/reduction.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace morvel::sightwin {

class IdentifyDialog : public QDialog {
    Q_OBJECT
public:
    /// s: the sight whose body is unknown (its instant, DR, Hs and conditions).
    explicit IdentifyDialog(const sight::Sight& s, QWidget* parent = nullptr);

    /// The chosen candidate's name, or nothing.
    std::optional<QString> chosen() const;

private:
    void search();

    sight::Sight sight_;
    QLineEdit* azimuth_;
    QLabel* message_;
    QTableWidget* candidates_;
    QDialogButtonBox* buttons_;
};

/// Asks for the azimuth and returns the chosen body's name, or nothing when
/// cancelled. exec runs the dialog (tests replace it); by default QDialog::exec.
std::optional<QString> identifyBody(QWidget* parent, const sight::Sight& s, std::function<int(QDialog&)> exec = {});

}  // namespace morvel::sightwin
