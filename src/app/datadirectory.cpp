#include "datadirectory.h"

#include <QDir>
#include <QStandardPaths>

QString dataDirectory()
{
    const QByteArray fromEnvironment = qgetenv("LEDGERWELL_DATA_DIR");
    if (!fromEnvironment.isEmpty()) {
        const QString path = QString::fromUtf8(fromEnvironment);
        QDir(path).mkpath(QStringLiteral("."));
        return path;
    }
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/Varnaby/Ledgerwell");
    QDir dir(path);
    if (!dir.exists()) {
        dir.mkpath(QStringLiteral("."));
    }
    return path;
}

QString databasePath()
{
    return dataDirectory() + QStringLiteral("/ledgerwell.db");
}
