#include "sightwin/log_model.h"

#include "navtext/navtext.h"
#include "sightwin/results.h"
#include "sightwin/sight_document.h"
#include "sightwin/texts.h"
#include "toolkit/palette.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace morvel::sightwin {

namespace {

using sightlog::SightColumn;

// Translated where shown, by LogModel::tr.
const char* headers[] = {QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "Time (UTC)"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "Body"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "Limb"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "Hs"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "IC (')"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "Eye (m or ft)"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "Temp (°C)"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "Press. (hPa)"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "DR lat"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "DR lon"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "Ho"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "Hc"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "Zn"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "Intercept"),
                         QT_TRANSLATE_NOOP("morvel::sightwin::LogModel", "Residual")};

}  // namespace

LogModel::LogModel(SightDocument& document, QObject* parent) : QAbstractTableModel(parent), document_(document)
{
    connect(&document, &SightDocument::rowInserting, this, [this](int at) { beginInsertRows({}, at, at); });
    connect(&document, &SightDocument::rowInserted, this, &LogModel::endInsertRows);
    connect(&document, &SightDocument::rowRemoving, this, [this](int at) { beginRemoveRows({}, at, at); });
    connect(&document, &SightDocument::rowRemoved, this, &LogModel::endRemoveRows);
    connect(&document, &SightDocument::resetting, this, &LogModel::beginResetModel);
    connect(&document, &SightDocument::resetDone, this, &LogModel::endResetModel);
    connect(&document, &SightDocument::rowsChanged, this, [this](int first, int last) {
        emit dataChanged(index(first, 0), index(last, int(sightlog::sightColumns) - 1));
    });
    // The fix moves with every change: the results of every row; and the
    // time's caption with the way the log keeps its times.
    connect(&document, &SightDocument::changed, this, [this] {
        if (rowCount() > 0)
            emit dataChanged(index(0, ho), index(rowCount() - 1, resultEnd - 1));
        if (watchTime_ != worked().watchTime) {
            watchTime_ = worked().watchTime;
            emit headerDataChanged(Qt::Horizontal, 0, 0);
        }
    });
}

const sightlog::Logbook& LogModel::book() const
{
    return document_.book();
}

const sightlog::Worked& LogModel::worked() const
{
    return document_.worked();
}

int LogModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(book().rows.size());
}

int LogModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(Result::resultEnd);
}

QVariant LogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal) {
        // What each column takes, with an example.
        switch (SightColumn(section)) {
        case SightColumn::utc: return tr("Time of the sight in UTC, e.g. 2026-12-07T22:04:10Z");
        case SightColumn::body: return tr("Body: the Sun, the Moon, a planet or a navigational star, e.g. Vega");
        case SightColumn::limb: return tr("Limb of the Sun or the Moon: lower, upper or centre");
        case SightColumn::hs: return tr("Sextant altitude Hs: degrees and minutes, e.g. 41 12.3 or 41 12 18");
        case SightColumn::ic: return tr("IC (′): + off the arc, − on; minutes signed, or 1.2 off, 1.2 on");
        case SightColumn::eye: return tr("Height of eye: metres or feet, e.g. 2.5 or 8 ft");
        case SightColumn::temp: return tr("Air temperature in °C for the refraction, e.g. 12 (10 when empty)");
        case SightColumn::pressure: return tr("Pressure in hPa for the refraction, e.g. 1013 (1010 when empty)");
        case SightColumn::drLat: return tr("The row's own DR latitude, e.g. 41 10.0N; empty follows the DR");
        case SightColumn::drLon: return tr("The row's own DR longitude, e.g. 066 30.0W; empty follows the DR");
        }
        return {};
    }
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section == int(SightColumn::utc) && worked().watchTime)
        return tr("Watch time");
    return section >= 0 && section < int(Result::resultEnd) ? tr(headers[section]) : QVariant();
}

Qt::ItemFlags LogModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags f = QAbstractTableModel::flags(index);
    return index.column() < int(sightlog::sightColumns) ? f | Qt::ItemIsEditable : f;
}

QVariant LogModel::data(const QModelIndex& index, int role) const
{
    const sightlog::Logbook& log = book();
    const sightlog::Worked& w = worked();
    if (!index.isValid() || size_t(index.row()) >= log.rows.size())
        return {};
    const size_t row = size_t(index.row());
    const int column = index.column();
    const sightlog::RowResult& r = w.rows[row];
    const sightlog::SightCells& typed = log.rows[row];
    const bool dr = column == int(SightColumn::drLat) || column == int(SightColumn::drLon);
    const bool follows = typed[size_t(SightColumn::drLat)].empty() && typed[size_t(SightColumn::drLon)].empty();

    if (role == Qt::EditRole)
        return column < int(sightlog::sightColumns) ? text(typed[size_t(column)]) : QVariant();
    if (role == Qt::DisplayRole) {
        if (column < int(sightlog::sightColumns)) {
            if (dr && follows && r.status != sightlog::RowStatus::empty) {
                const auto at = sightlog::followedDr(log, row, w.dr);
                if (!at)
                    return {};
                return text(column == int(SightColumn::drLat) ? navtext::navLatitudeText(at->lat, false)
                                                              : navtext::navLongitudeText(at->lon, false));
            }
            if (column == int(SightColumn::utc))
                return text(sightlog::shownTime(r, typed[size_t(column)]));
            return text(typed[size_t(column)]);
        }
        if (r.status != sightlog::RowStatus::reduced)
            return {};
        const sight::Reduction& x = r.reduction;
        switch (column) {
        case ho: return text(navtext::navAltitudeText(x.corrections.ho, false));
        case hc: return text(navtext::navAltitudeText(x.hc, false));
        case zn: return text(navtext::navCircleText(x.zn, false));
        case intercept: return text(navtext::interceptText(x.intercept));
        case residual: {
            const QString t = residualText(r, w.fix);
            return t.isEmpty() ? QVariant() : t;
        }
        }
        return {};
    }
    if (role == Qt::ForegroundRole && dr && follows)
        return QBrush(toolkit::ink(QColor(0x60, 0x60, 0x60)));
    if (role == Qt::FontRole && dr && follows) {
        QFont f;
        f.setItalic(true);
        return f;
    }
    if (role == Qt::BackgroundRole && r.status == sightlog::RowStatus::bad)
        return QBrush(toolkit::ink(column == int(r.column) ? QColor(0xff, 0xb0, 0xb0) : QColor(0xff, 0xe4, 0xe4)));
    if (role == Qt::ToolTipRole) {
        if (r.status == sightlog::RowStatus::bad || r.status == sightlog::RowStatus::incomplete)
            return text(r.why);
        const sight::Excluded* excluded = r.inFix ? w.fix.excludedOf(*r.inFix) : nullptr;
        const QString left = excluded ? tr("Excluded from the fix: %1").arg(text(excluded->why)) : QString();
        if (r.status == sightlog::RowStatus::reduced && column >= int(sightlog::sightColumns)) {
            const sight::Corrections& k = r.reduction.corrections;
            QString t = tr("IC %1, dip %2, refraction %3, SD %4, parallax %5")
                            .arg(text(navtext::minutesText(k.index, true)), text(navtext::minutesText(k.dip, true)),
                                 text(navtext::minutesText(k.refraction, true)),
                                 text(navtext::minutesText(k.semiDiameter, true)), text(navtext::minutesText(k.parallax, true)));
            if (k.lowAltitude)
                t += tr("\nBelow 5° of apparent altitude refraction is unreliable.");
            return excluded ? left + '\n' + t : t;
        }
        return excluded ? QVariant(left) : QVariant();
    }
    return {};
}

bool LogModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() >= int(sightlog::sightColumns))
        return false;
    document_.setCell(index.row(), index.column(), value.toString());
    return true;
}

}  // namespace morvel::sightwin
