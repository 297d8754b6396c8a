#include "identifiers.h"

namespace Identifiers {

QString newId()
{
    return toText(QUuid::createUuid());
}

QString toText(const QUuid &uuid)
{
    return uuid.toString(QUuid::WithoutBraces);
}

const QUuid &dnsNamespace()
{
    static const QUuid ns(QStringLiteral("{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"));
    return ns;
}

const QUuid &applicationNamespace()
{
    static const QUuid ns(QStringLiteral("{a1b9f7f3-2f2a-4c6b-9e1a-8b7c6d5a3f2e}"));
    return ns;
}

QString nameBasedId(const QUuid &ns, const QString &name)
{
    return toText(QUuid::createUuidV5(ns, name.toUtf8()));
}

QString defaultCategoryId(const QString &typeText, const QString &parentName, const QString &name)
{
    return nameBasedId(dnsNamespace(), QStringLiteral("%1:%2:%3").arg(typeText, parentName, name));
}

QString recurringPostingId(const QString &recurringId, const QDate &dueDate, bool counterpartLeg)
{
    QString name = recurringId + QLatin1Char(':') + dueDate.toString(Qt::ISODate);
    if (counterpartLeg) {
        name += QStringLiteral(":dest");
    }
    return nameBasedId(applicationNamespace(), name);
}

} // namespace Identifiers
