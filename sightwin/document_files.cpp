#include "sightwin/document_files.h"

#include "files/write.h"
#include "sightwin/texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QStandardPaths>
#include <QStringList>

namespace morvel::sightwin {

QString writtenTo(const QString& path, const std::string& text)
{
    return QFile::decodeName(QByteArray::fromStdString(files::writeFile(QFile::encodeName(path).toStdString(), text)));
}

QString recoveryPathOf(const QString& name)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(name);
}

QString keepRecovery(const QString& path, bool modified, const std::function<std::string()>& text, bool& refused,
                     const QString& refusal)
{
    if (!modified) {
        QFile::remove(path);
        return {};
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString why = writtenTo(path, text());
    // Said once, not at every edit; said again once it has worked again.
    if (why.isEmpty() || refused) {
        refused = !why.isEmpty();
        return {};
    }
    refused = true;
    return refusal.arg(why);
}

QString notTakenIn(const std::vector<sightlog::SightLogError>& errors, const QString& what)
{
    QStringList why;
    for (const sightlog::SightLogError& e : errors)
        why << text(e.text());
    if (why.isEmpty())
        return {};
    return QObject::tr("These lines could not be taken in:\n%1\nThey are kept as they stand, and saved with the %2.")
        .arg(why.join(u'\n'), what);
}

}  // namespace morvel::sightwin
