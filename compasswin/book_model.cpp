#include "compasswin/book_model.h"

#include "compasswin/compass_document.h"
#include "navtext/navtext.h"
#include "sightwin/texts.h"
#include "toolkit/palette.h"

#include <QBrush>
#include <QColor>

namespace morvel::compasswin {

namespace {

using compass::BookColumn;
using compass::RowStatus;
using sightwin::text;

const char* headers[] = {QT_TRANSLATE_NOOP("morvel::compasswin::BookModel", "Time (UTC)"),
                         QT_TRANSLATE_NOOP("morvel::compasswin::BookModel", "Body"),
                         QT_TRANSLATE_NOOP("morvel::compasswin::BookModel", "Bearing"),
                         QT_TRANSLATE_NOOP("morvel::compasswin::BookModel", "Compass"),
                         QT_TRANSLATE_NOOP("morvel::compasswin::BookModel", "Ship's head"),
                         QT_TRANSLATE_NOOP("morvel::compasswin::BookModel", "Variation"),
                         QT_TRANSLATE_NOOP("morvel::compasswin::BookModel", "True Zn"),
                         QT_TRANSLATE_NOOP("morvel::compasswin::BookModel", "Error"),
                         QT_TRANSLATE_NOOP("morvel::compasswin::BookModel", "Deviation")};

}  // namespace

RowTexts rowTexts(const compass::RowResult& r)
{
    RowTexts t;
    if (r.status != RowStatus::checked)
        return t;
    const compass::Check& c = r.check;
    t.azimuth = text(navtext::navCircleText(c.azimuth, false));
    t.error = text(r.bearing.instrument == compass::Instrument::gyro ? navtext::gyroErrorText(c.error)
                                                                      : navtext::eastWestText(c.error));
    if (c.deviation)
        t.deviation = text(navtext::eastWestText(*c.deviation));
    if (c.variation)
        t.variation = text(navtext::eastWestText(*c.variation));
    return t;
}

BookModel::BookModel(CompassDocument& document, QObject* parent) : QAbstractTableModel(parent), document_(document)
{
    connect(&document, &CompassDocument::rowInserting, this, [this](int at) { beginInsertRows({}, at, at); });
    connect(&document, &CompassDocument::rowInserted, this, &BookModel::endInsertRows);
    connect(&document, &CompassDocument::rowRemoving, this, [this](int at) { beginRemoveRows({}, at, at); });
    connect(&document, &CompassDocument::rowRemoved, this, &BookModel::endRemoveRows);
    connect(&document, &CompassDocument::resetting, this, &BookModel::beginResetModel);
    connect(&document, &CompassDocument::resetDone, this, &BookModel::endResetModel);
    connect(&document, &CompassDocument::changed, this, [this] {
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, resultEnd - 1));
    });
}

const compass::Book& BookModel::book() const
{
    return document_.book();
}

const compass::Worked& BookModel::worked() const
{
    return document_.worked();
}

int BookModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(book().rows.size());
}

int BookModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(resultEnd);
}

QVariant BookModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal) {
        // What each column takes, with an example; what each result is.
        switch (section) {
        case int(BookColumn::utc): return tr("Time of the bearing in UTC, e.g. 2026-12-07T19:33:00Z");
        case int(BookColumn::body): return tr("Body: the Sun, the Moon, a planet or a navigational star, e.g. Vega");
        case int(BookColumn::bearing): return tr("Bearing of the body's centre by the compass, e.g. 231.5 or 231 30");
        case int(BookColumn::compass): return tr("Compass: magnetic or gyro (empty: magnetic)");
        case int(BookColumn::heading):
            return tr("Ship's head by the same compass, e.g. 045; needed for the deviation card");
        case int(BookColumn::variation):
            return tr("Variation from the chart, e.g. 14.5 W, 3.2 E or auto (the World Magnetic Model's)");
        case azimuth: return tr("True azimuth Zn of the body from the almanac");
        case error: return tr("True = bearing + error; a gyro reading more than true reads high");
        case deviation: return tr("Deviation: the compass error less the variation, east or west");
        }
        return {};
    }
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < int(resultEnd) ? tr(headers[section]) : QVariant();
}

Qt::ItemFlags BookModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags f = QAbstractTableModel::flags(index);
    return index.column() < int(compass::bookColumns) ? f | Qt::ItemIsEditable : f;
}

QVariant BookModel::data(const QModelIndex& index, int role) const
{
    const compass::Book& b = book();
    if (!index.isValid() || size_t(index.row()) >= b.rows.size())
        return {};
    const compass::BookCells& typed = b.rows[size_t(index.row())];
    const compass::RowResult& r = worked().rows[size_t(index.row())];
    const int column = index.column();
    const bool typedColumn = column < int(compass::bookColumns);
    if (role == Qt::EditRole)
        return typedColumn ? text(typed[size_t(column)]) : QVariant();
    if (role == Qt::DisplayRole) {
        const RowTexts t = rowTexts(r);
        if (column == int(BookColumn::variation) && r.modelled && !t.variation.isEmpty())
            return tr("auto (%1)").arg(t.variation);
        if (typedColumn)
            return text(typed[size_t(column)]);
        return column == azimuth ? t.azimuth : column == error ? t.error : t.deviation;
    }
    if (role == Qt::TextAlignmentRole && !typedColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::BackgroundRole && r.status == RowStatus::bad)
        return QBrush(toolkit::ink(column == int(r.column) ? QColor(0xff, 0xb0, 0xb0) : QColor(0xff, 0xe4, 0xe4)));
    if (role == Qt::ToolTipRole) {
        if (r.status == RowStatus::bad || r.status == RowStatus::incomplete)
            return text(r.why);
        if (r.status != RowStatus::checked)
            return {};
        QString t = tr("Altitude %1 at %2").arg(text(navtext::navAltitudeText(r.check.altitude, false)),
                                                 text(navtext::navPositionText(r.bearing.lat, r.bearing.lon, false)));
        if (r.modelled)
            t += tr("\nVariation of the World Magnetic Model 2025");
        if (!r.warning.empty())
            t += u'\n' + text(r.warning);
        return t;
    }
    return {};
}

bool BookModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() >= int(compass::bookColumns))
        return false;
    document_.setCell(index.row(), index.column(), value.toString());
    return true;
}

}  // namespace morvel::compasswin
