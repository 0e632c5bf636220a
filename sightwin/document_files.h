/// \file document_files.h
/// \brief What the documents of a log kept as a file share (the sight
/// log's and the azimuth book's): a file written as its path asks, the
/// recovery file kept while the log differs from its file, and the words
/// for the lines a file could not take in.
#pragma once

#include "sightlog/sight_log.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace morvel::sightwin {

/// What came of opening or saving a file, and what to tell the navigator
/// (empty: nothing).
struct Outcome {
    bool ok = false;
    QString message;
};

/// The file at path written as its path asks (files/write.h): empty when
/// done, else the path and the reason.
QString writtenTo(const QString& path, const std::string& text);

/// A recovery file of that name in the user's data folder.
QString recoveryPathOf(const QString& name);

/// The recovery file at path after a change: the log's text written there
/// while the log is modified, the file gone when it is not. When it cannot
/// be written, what to tell (refusal, with %1 the path and the reason),
/// once: refused remembers it was told, until it has been written again.
QString keepRecovery(const QString& path, bool modified, const std::function<std::string()>& text, bool& refused,
                     const QString& refusal);

/// What opening a file tells of the lines it could not take in, kept as
/// they stand and saved with what (empty: none).
QString notTakenIn(const std::vector<sightlog::SightLogError>& errors, const QString& what);

}  // namespace morvel::sightwin
