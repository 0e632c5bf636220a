/// \file log_document.h
/// \brief What a log's document tells its table and its window (the sight
/// log's and the azimuth book's): around each change of the rows, after
/// every change, the file's state, the recovery file refused.
#pragma once

#include <QObject>

namespace morvel::sightwin {

class LogDocument : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    /// Around each change of the rows, for a table.
    void rowInserting(int at);
    void rowInserted(int at);
    void rowRemoving(int at);
    void rowRemoved(int at);
    void resetting();
    void resetDone();
    /// After every change, once the log has been worked again.
    void changed();
    /// The file's name or the modified state changed.
    void fileChanged();
    /// The recovery file could not be written: what to tell the navigator.
    /// Once, until it has been written again.
    void recoveryRefused(const QString& message);
};

}  // namespace morvel::sightwin
