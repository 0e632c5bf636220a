/// \file sight_page.h
/// \brief The printed page of a day's sights: title, DR and the date of
/// printing, the log with every correction, what it gives and the plotting
/// sheet, drawn in vectors on any paged device (a printer or a PDF), from
/// the worked log as it stands.
#pragma once

#include "sightlog/logbook.h"

#include <QDateTime>
#include <QString>

class QPagedPaintDevice;

namespace morvel::sightwin {

struct SheetContent;

/// One portrait page; file names the log's file on it (empty: none).
/// False when nothing could be drawn on the device.
bool drawSightPage(QPagedPaintDevice& device, const sightlog::Logbook& book, const sightlog::Worked& worked,
                   const SheetContent& sheet, const QString& file, const QDateTime& printed);

}  // namespace morvel::sightwin
