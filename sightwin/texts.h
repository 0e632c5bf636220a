/// \file texts.h
/// \brief What the sight window's parts share in writing: their texts in
/// the reader's language, the plain libraries' texts (UTF-8) as Qt's, and
/// a read-only cell of a table.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTableWidgetItem>

#include <string>

namespace morvel::sightwin {

/// The texts of code outside any class, in the context lupdate gives
/// them: the namespace's. %n and a count make a plural.
inline QString tr(const char* s, const char* disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("morvel::sightwin", s, disambiguation, n);
}

inline QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

/// A cell that can be selected but not edited, right-aligned for numbers.
inline QTableWidgetItem* readOnlyCell(QTableWidgetItem* item, bool right)
{
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (right)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

inline QTableWidgetItem* readOnlyCell(const QString& s, bool right)
{
    return readOnlyCell(new QTableWidgetItem(s), right);
}

}  // namespace morvel::sightwin
