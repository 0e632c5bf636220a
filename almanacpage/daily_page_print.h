/// \file daily_page_print.h
/// \brief The almanac's daily pages as a navigator keeps them on paper: a
/// day on two A4 pages facing each other, as the printed almanac's spread,
/// drawn in vectors on any paged device (a PDF, a printer).
///
/// The left page: the hourly GHA of Aries and the GHA and declination of
/// Venus, Mars, Jupiter and Saturn (each headed with its magnitude), a
/// blank line every six hours, and at the foot each planet's v and d and
/// every meridian passage; beside them the stars' SHA and declination. The
/// right page: the Sun's and the Moon's hourly GHA and declination with
/// the Moon's v, d and HP, the SDs and the Sun's d; the equation of time at
/// 00h and 12h with the Sun's meridian passage, the Moon's passages, age
/// and illuminated fraction; and the table of twilights, sunrise, sunset,
/// moonrise and moonset from 72 N to 60 S. Angles in the sight form
/// (navtext), times to the minute. Liberation Sans, the largest size up to
/// 8 points at which the columns fit the page's width.
#pragma once

#include "almanac/daily_page.h"

#include <QByteArray>

#include <functional>
#include <string>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QSizeF;

namespace morvel::almanacpage {

/// The size of font, in points, up to 8, at which the left page's tables
/// fit side by side in width (device units, pt of them a point).
double fittingPoints(const almanac::DailyPage& day, double width, double pt, const QPaintDevice* device);

/// One side of a day (0 the left page, 1 the right) on a page of that size
/// in the painter's units, pt of them a point, in type of that size, in the
/// colour of the painter's pen (black on paper): for the printed pages and
/// the window's preview alike.
void paintSide(QPainter& p, const QSizeF& page, double pt, const almanac::DailyPage& day, int side, double points);

/// The pages of count days, day i drawn from page(i); false when nothing
/// could be drawn on the device.
bool drawDailyPages(QPagedPaintDevice& device, int count, const std::function<almanac::DailyPage(int)>& page);

/// The same as a PDF document (A4, Qt's PDF writer), or empty with error
/// set when a page could not be made.
QByteArray dailyPagesPdf(int count, const std::function<almanac::DailyPage(int)>& page, std::string& error);

}  // namespace morvel::almanacpage
