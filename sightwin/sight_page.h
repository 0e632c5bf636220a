/// \file sight_page.h
/// \brief The printed pages of a day's sights, as a logbook keeps them:
/// the head (the vessel, the navigator and a line for the navigator's
/// signature, the DR, the date of printing), the log with every correction,
/// what it gives and the plotting sheet, drawn in vectors on any paged
/// device (a printer or a PDF), from the worked log as it stands.
///
/// Portrait, margins of 12 mm. Every time on the page is written one way,
/// "2026-12-07 19:33:00", in UT (navtext::instantText); in a log kept by
/// the watch each sight's time is the watch's with the UT beside it
/// ("19:33:12 (2026-12-08 00:33:00 UT)", sightlog::shownTime), under the
/// date on board, zone and watch error in the head. The log's table
/// gives each sight two lines, each column two figures one over the other:
/// the time over the sight's DR, Hs over IC, the height of eye over the dip
/// it gives, the temperature and pressure over the refraction, SD over
/// parallax, GHA over declination, Hc over Zn, the intercept over the
/// residual. A column is as wide as its widest figure; when the columns
/// are wider than the page the table's font is made smaller, down to 6
/// points. A row left out of the fix gives its time, body, Hs and DR and
/// why it was left out.
///
/// A log longer than a page runs on to the next, under the same head
/// ("page 2 of 2") and the table's heading again. What the log gives
/// follows it, and the plotting sheet takes the rest of the last page, its
/// whole width and height, or a page of its own when less than half the
/// page's width is left.
#pragma once

#include "sightlog/logbook.h"

#include <QDateTime>
#include <QFont>
#include <QString>

class QPagedPaintDevice;

namespace morvel::sightwin {

struct SheetContent;

/// What the head says besides the log.
struct PageHead {
    QString vessel, navigator;  ///< empty: a line to write it on
    QString file;               ///< the log's file (empty: none)
    QDateTime printed;
};

/// A page's text (Liberation Sans) size points high, in pixels of a device
/// of pt pixels a point.
QFont pageFont(double size, double pt, bool bold = false);

/// The pages; false when nothing could be drawn on the device.
bool drawSightPage(QPagedPaintDevice& device, const sightlog::Logbook& book, const sightlog::Worked& worked,
                   const SheetContent& sheet, const PageHead& head);

}  // namespace morvel::sightwin
