#pragma once

#include <QDate>
#include <QString>
#include <QUuid>

// Row identifiers: lower-case UUID text without braces, 36 characters.
namespace Identifiers {

// A random (version 4) identifier for a new row.
QString newId();
// The text form of any UUID as the tables hold it.
QString toText(const QUuid &uuid);

// RFC 4122 DNS namespace: default categories hash "type:parent:name" in it.
const QUuid &dnsNamespace();
// The program's own namespace: transactions posted from a recurring entry.
const QUuid &applicationNamespace();

// Name-based (version 5) identifier of `name` (hashed as UTF-8) in `ns`.
QString nameBasedId(const QUuid &ns, const QString &name);
QString defaultCategoryId(const QString &typeText, const QString &parentName, const QString &name);
// The posting of one occurrence; the counterpart leg of a transfer hashes ":dest" in addition.
QString recurringPostingId(const QString &recurringId, const QDate &dueDate, bool counterpartLeg);

} // namespace Identifiers
