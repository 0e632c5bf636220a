// The sight window's links with the ship's instruments: the DR from the
// GPS, and the fix to the chart plotter (NMEA over UDP) or saved as GPX.
#include "sightwin/sight_window.h"

#include "engine/angles.h"
#include "files/write.h"
#include "navtext/navtext.h"
#include "sight/utc.h"
#include "sightwin/dr_box.h"
#include "sightwin/sight_document.h"
#include "sightwin/texts.h"
#include "toolkit/services.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QInputDialog>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>
#include <cstdio>

namespace morvel::sightwin {

void SightWindow::buildPlotterMenu()
{
    readGps = [] { return instruments::readGps(instruments::gpsdHost, instruments::gpsdPort, 3); };
    // The status bar from the start, where the GPS's and the plotter's
    // messages go.
    statusBar()->setSizeGripEnabled(true);
    QMenu* plotter = menuBar()->addMenu(tr("Plotte&r"));
    actSendFixes = plotter->addAction(tr("Send Each &Fix to the Plotter"));
    actSendFixes->setCheckable(true);
    actSendFixes->setChecked(plotter_.sending());
    connect(actSendFixes, &QAction::toggled, this, [this](bool on) {
        plotter_.setSending(on);
        sendNewFix();
    });
    actPlotterAddress = plotter->addAction(tr("Plotter &Address..."), this, &SightWindow::askPlotterAddress);
    actSendFix = plotter->addAction(tr("&Send the Fix Now"), this, &SightWindow::sendFix);
    plotter->addSeparator();
    actSaveFixGpx = plotter->addAction(tr("Save the Fix as &GPX..."), this, &SightWindow::saveFixGpx);
}

QPushButton& SightWindow::fromGpsButton()
{
    return dr_->fromGps();
}

QString SightWindow::status() const
{
    return statusBar()->currentMessage();
}

std::optional<instruments::FixWaypoint> SightWindow::fixWaypoint() const
{
    const sightlog::Worked& w = document_->worked();
    if (!w.fix.found() || w.fix.last >= w.rowOf.size())
        return std::nullopt;
    const sightlog::SightCells& row = document_->book().rows[w.rowOf[w.fix.last]];
    return instruments::waypointOf(w.fix, row[size_t(sightlog::SightColumn::utc)]);
}

void SightWindow::askPlotterAddress()
{
    const QString current = plotter_.address();
    const QString typed = chooseAddress ? chooseAddress(current)
                                        : QInputDialog::getText(this, tr("Plotter Address"),
                                                                tr("The plotter's host and UDP port (OpenCPN: 10110):"),
                                                                QLineEdit::Normal, current);
    if (typed.isEmpty())
        return;
    if (const QString why = plotter_.setAddress(typed); !why.isEmpty())
        tell(why);
}

void SightWindow::sendFix()
{
    const std::optional<instruments::FixWaypoint> fix = fixWaypoint();
    if (!fix) {
        tell(tr("There is no fix to send."));
        return;
    }
    if (const QString why = plotter_.send(*fix); !why.isEmpty())
        tell(tr("The fix was not sent: %1").arg(why));
    else
        statusBar()->showMessage(tr("%1 sent to the plotter at %2").arg(text(fix->name()), plotter_.address()));
}

void SightWindow::sendNewFix()
{
    const std::optional<instruments::FixWaypoint> fix = fixWaypoint();
    if (!fix)
        return;
    // Sent as the log is worked: a refusal goes to the status bar, not a
    // message at every edit.
    QString why;
    if (plotter_.sendNew(*fix, why))
        statusBar()->showMessage(tr("%1 sent to the plotter at %2").arg(text(fix->name()), plotter_.address()));
    else if (!why.isEmpty())
        statusBar()->showMessage(tr("The fix was not sent to the plotter: %1").arg(why));
}

void SightWindow::saveFixGpx()
{
    const std::optional<instruments::FixWaypoint> fix = fixWaypoint();
    if (!fix) {
        tell(tr("There is no fix to save."));
        return;
    }
    QString path = chooseSave ? chooseSave(tr("Save the fix as GPX"))
                              : QFileDialog::getSaveFileName(this, tr("Save the fix as GPX"), QString(),
                                                             tr("GPX files (*.gpx);;All files (*)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".gpx");
    if (const std::string why = files::writeFile(path.toStdString(), fix->gpx("Morvel")); !why.empty())
        tell(tr("The fix was not saved: %1").arg(text(why)));
    else
        statusBar()->showMessage(tr("%1 saved in %2").arg(text(fix->name()), QFileInfo(path).fileName()));
}

void SightWindow::fromGps()
{
    // One reading at a time, off the window's thread: gpsd may take up to
    // the reading's timeout.
    if (!dr_->fromGps().isEnabled())
        return;
    dr_->fromGps().setEnabled(false);
    statusBar()->showMessage(tr("Asking the GPS..."));
    auto* watcher = new QFutureWatcher<instruments::GpsFix>(this);
    connect(watcher, &QFutureWatcher<instruments::GpsFix>::finished, this, [this, watcher] {
        watcher->deleteLater();
        takeGps(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(readGps));
}

void SightWindow::takeGps(const instruments::GpsFix& fix)
{
    dr_->fromGps().setEnabled(true);
    statusBar()->clearMessage();
    if (!fix.ok()) {
        tell(tr("No position from the GPS: %1. The DR stays as it was.").arg(text(fix.why)));
        return;
    }
    sightlog::DrTrack dr = dr_->track();
    dr.position = navtext::navPositionText(fix.lat, fix.lon, false);
    if (fix.time)
        dr.time = sight::UtcTime{1970, 1, 1, 0}.plus(*fix.time).text();
    if (fix.course) {
        char course[8];
        std::snprintf(course, sizeof course, "%03ld", std::lround(fix.course.value() / math::degree) % 360);
        dr.course = course;
    }
    if (fix.speed)
        dr.speed = navtext::nmText(*fix.speed);
    document_->setDr(dr);
    QString said = tr("DR from the GPS (%1 %2)").arg(fix.threeD ? QStringLiteral("3D") : QStringLiteral("2D"),
                                                     text(fix.quality));
    if (fix.time) {
        // The computer's clock against the GPS's time, as the watch error
        // of the log would be taken.
        const double error = toolkit::services().clock().toMSecsSinceEpoch() / 1000.0 - *fix.time;
        said += tr("; the computer clock is %1 s %2 on GPS time")
                    .arg(std::abs(error), 0, 'f', 1)
                    .arg(error >= 0 ? tr("fast") : tr("slow"));
    }
    statusBar()->showMessage(said);
}

}  // namespace morvel::sightwin
