#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One <message> of a Qt Linguist translation source.
struct TsMessage
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type;             // "", "unfinished", "obsolete" or "vanished"
    QStringList translations; // one per plural form, or the single translation

    // The same text in the same context means the same entry to lupdate.
    QString key() const
    {
        return context + QLatin1Char('\x1f') + source + QLatin1Char('\x1f') + comment;
    }
};

// Reads the messages of a .ts file, as lupdate writes them.
class TsFile
{
public:
    static std::optional<QList<TsMessage>> read(const QString &path, QString *error);
};
