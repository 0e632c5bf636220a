/// \file program.h
/// \brief The program's windows as single global instances, each
/// created on first reference, and the link between the engine and the
/// windows (registry factory, message box).
///
/// One Program lives for a run of Morvel; the scenario runner makes a fresh
/// one for every scenario file.
#pragma once

#include "engine/state.h"
#include "toolkit/form.h"

#include <memory>

namespace morvel::calc {
class Locddf;
class Locdmf;
}  // namespace morvel::calc
namespace morvel::gcs {
class Gcsf;
}
namespace morvel::sightwin {
class SightWindow;
}
namespace morvel::compasswin {
class CompassWindow;
}

namespace morvel::shell {

class Morvelf;

class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Morvelf& morvelf();
    calc::Locddf& locddf();
    calc::Locdmf& locdmf();
    gcs::Gcsf& gcsf();
    /// The sight-reduction window; made on first use, when it offers back
    /// sights kept from a run that did not end cleanly. Closing it shows
    /// the main menu again.
    sightwin::SightWindow& sight();
    /// The compass window, made and returning to the menu as the sight
    /// window does.
    compasswin::CompassWindow& compass();

    /// A window by its code name ("locddf"), created when needed; null for
    /// an unknown name.
    toolkit::Form* window(const QString& name);
    /// Windows already created, for lookups that must not create any.
    toolkit::Form* existing(const QString& name) const;

    /// Shows the main menu, as the windowing runtime does at start.
    void start();

private:
    class EngineMessages;
    std::unique_ptr<EngineMessages> messages_;
    std::unique_ptr<Morvelf> morvelf_;
    std::unique_ptr<calc::Locddf> locddf_;
    std::unique_ptr<calc::Locdmf> locdmf_;
    std::unique_ptr<gcs::Gcsf> gcsf_;
    std::unique_ptr<sightwin::SightWindow> sight_;
    std::unique_ptr<compasswin::CompassWindow> compass_;
};

}  // namespace morvel::shell
