#include "sightwin/log_model.h"

#include "navtext/navtext.h"
#include "sightwin/texts.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QUndoCommand>

namespace morvel::sightwin {

namespace {

using sightlog::SightColumn;

class CellEdit : public QUndoCommand {
public:
    CellEdit(LogModel& m, int row, int column, std::string before, std::string after)
        : QUndoCommand(QObject::tr("Edit %1").arg(QString::fromLatin1(sightlog::sightColumnNames[size_t(column)]))),
          m_(m), row_(row), column_(column), before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo() override { m_.applyCell(row_, column_, before_); }
    void redo() override { m_.applyCell(row_, column_, after_); }

private:
    LogModel& m_;
    int row_, column_;
    std::string before_, after_;
};

/// A row added (insert) or taken away (!insert).
class RowEdit : public QUndoCommand {
public:
    RowEdit(LogModel& m, int at, sightlog::SightCells cells, bool insert, const QString& what)
        : QUndoCommand(what), m_(m), at_(at), cells_(std::move(cells)), insert_(insert)
    {
    }
    void undo() override { insert_ ? m_.applyRemove(at_) : m_.applyInsert(at_, cells_); }
    void redo() override { insert_ ? m_.applyInsert(at_, cells_) : m_.applyRemove(at_); }

private:
    LogModel& m_;
    int at_;
    sightlog::SightCells cells_;
    bool insert_;
};

class DrEdit : public QUndoCommand {
public:
    DrEdit(LogModel& m, sightlog::DrTrack before, sightlog::DrTrack after)
        : QUndoCommand(QObject::tr("Edit DR")), m_(m), before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo() override { m_.applyDr(before_); }
    void redo() override { m_.applyDr(after_); }

private:
    LogModel& m_;
    sightlog::DrTrack before_, after_;
};

const char* headers[] = {"Time (UTC)", "Body", "Limb", "Hs", "IC (')", "Eye (m)", "Temp (°C)", "Press. (hPa)",
                         "DR lat",     "DR lon", "Ho",  "Hc", "Zn",     "Intercept", "Residual"};

}  // namespace

LogModel::LogModel(QObject* parent) : QAbstractTableModel(parent)
{
    rework();
}

int LogModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(book_.rows.size());
}

int LogModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(Result::resultEnd);
}

QVariant LogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < int(Result::resultEnd) ? tr(headers[section]) : QVariant();
}

Qt::ItemFlags LogModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags f = QAbstractTableModel::flags(index);
    return index.column() < int(sightlog::sightColumns) ? f | Qt::ItemIsEditable : f;
}

QVariant LogModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= book_.rows.size())
        return {};
    const size_t row = size_t(index.row());
    const int column = index.column();
    const sightlog::RowResult& r = worked_.rows[row];
    const sightlog::SightCells& typed = book_.rows[row];
    const bool dr = column == int(SightColumn::drLat) || column == int(SightColumn::drLon);
    const bool follows = typed[size_t(SightColumn::drLat)].empty() && typed[size_t(SightColumn::drLon)].empty();

    if (role == Qt::EditRole)
        return column < int(sightlog::sightColumns) ? text(typed[size_t(column)]) : QVariant();
    if (role == Qt::DisplayRole) {
        if (column < int(sightlog::sightColumns)) {
            if (dr && follows && r.status != sightlog::RowStatus::empty) {
                const auto at = sightlog::followedDr(book_, row, worked_.dr);
                if (!at)
                    return {};
                return text(column == int(SightColumn::drLat) ? navtext::navLatitudeText(at->lat, false)
                                                              : navtext::navLongitudeText(at->lon, false));
            }
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
        case residual:
            return r.inFix && *r.inFix < worked_.fix.residuals.size()
                       ? text(navtext::interceptText(worked_.fix.residuals[*r.inFix]))
                       : QVariant();
        }
        return {};
    }
    if (role == Qt::ForegroundRole && dr && follows)
        return QBrush(QColor(0x60, 0x60, 0x60));
    if (role == Qt::FontRole && dr && follows) {
        QFont f;
        f.setItalic(true);
        return f;
    }
    if (role == Qt::BackgroundRole && r.status == sightlog::RowStatus::bad)
        return QBrush(column == int(r.column) ? QColor(0xff, 0xb0, 0xb0) : QColor(0xff, 0xe4, 0xe4));
    if (role == Qt::ToolTipRole) {
        if (r.status == sightlog::RowStatus::bad || r.status == sightlog::RowStatus::incomplete)
            return text(r.why);
        if (r.status == sightlog::RowStatus::reduced && column >= int(sightlog::sightColumns)) {
            const sight::Corrections& k = r.reduction.corrections;
            QString t = tr("IC %1, dip %2, refraction %3, SD %4, parallax %5")
                            .arg(text(navtext::minutesText(k.index, true)), text(navtext::minutesText(k.dip, true)),
                                 text(navtext::minutesText(k.refraction, true)),
                                 text(navtext::minutesText(k.semiDiameter, true)), text(navtext::minutesText(k.parallax, true)));
            if (k.lowAltitude)
                t += tr("\nBelow 5° of apparent altitude refraction is unreliable.");
            return t;
        }
        return {};
    }
    return {};
}

bool LogModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() >= int(sightlog::sightColumns))
        return false;
    setCell(index.row(), index.column(), value.toString());
    return true;
}

void LogModel::setCell(int row, int column, const QString& value)
{
    std::string after = value.trimmed().toStdString();
    const std::string& before = book_.rows[size_t(row)][size_t(column)];
    if (after != before)
        undo_.push(new CellEdit(*this, row, column, before, std::move(after)));
}

void LogModel::insertSight(int at, const sightlog::SightCells& cells, const QString& what)
{
    undo_.push(new RowEdit(*this, at, cells, true, what));
}

void LogModel::removeSight(int at)
{
    if (at >= 0 && size_t(at) < book_.rows.size())
        undo_.push(new RowEdit(*this, at, book_.rows[size_t(at)], false, tr("Delete row")));
}

void LogModel::setDr(const sightlog::DrTrack& dr)
{
    if (!(dr == book_.dr))
        undo_.push(new DrEdit(*this, book_.dr, dr));
}

void LogModel::reset(const sightlog::Logbook& book)
{
    beginResetModel();
    book_ = book;
    undo_.clear();
    rework();
    endResetModel();
    emit changed();
}

void LogModel::applyCell(int row, int column, const std::string& value)
{
    book_.rows[size_t(row)][size_t(column)] = value;
    rework();
}

void LogModel::applyInsert(int at, const sightlog::SightCells& cells)
{
    beginInsertRows({}, at, at);
    book_.rows.insert(book_.rows.begin() + at, cells);
    worked_.rows.insert(worked_.rows.begin() + at, sightlog::RowResult{});
    endInsertRows();
    rework();
}

void LogModel::applyRemove(int at)
{
    beginRemoveRows({}, at, at);
    book_.rows.erase(book_.rows.begin() + at);
    worked_.rows.erase(worked_.rows.begin() + at);
    endRemoveRows();
    rework();
}

void LogModel::applyDr(const sightlog::DrTrack& dr)
{
    book_.dr = dr;
    rework();
}

void LogModel::rework()
{
    worked_ = sightlog::work(book_);
    if (!book_.rows.empty())
        emit dataChanged(index(0, 0), index(int(book_.rows.size()) - 1, int(Result::resultEnd) - 1));
    emit changed();
}

}  // namespace morvel::sightwin
