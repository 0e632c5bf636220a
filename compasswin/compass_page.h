/// \file compass_page.h
/// \brief The printed pages of the azimuth book, drawn in vectors on any
/// paged device (a printer or a PDF): the book's pages, one bearing a line
/// with what it gives (a row left out says why), running on under the same
/// head ("Page 2 of 3"); then the deviation card's page: its words, the
/// coefficients, the deviation every 15 degrees of compass heading, the
/// observations with their residuals, and the curve. Portrait, margins of
/// 12 mm; every time written "2026-12-07 11:48:10", UT.
#pragma once

#include "compass/book.h"

#include <QDateTime>
#include <QString>

class QPagedPaintDevice;

namespace morvel::compasswin {

struct PagesHead {
    QString file;  ///< the book's file (empty: none)
    QDateTime printed;
};

/// The pages; false when nothing could be drawn on the device.
bool drawCompassPages(QPagedPaintDevice& device, const compass::Book& book, const compass::Worked& worked,
                      const PagesHead& head);

}  // namespace morvel::compasswin
