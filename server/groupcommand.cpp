#include "server/groupcommand.h"

#include "server/groupstore.h"
#include "server/storage.h"
#include "server/userstore.h"

#include <QTextStream>

namespace GroupCommand {

int create(const Storage &storage, const QString &ownerEmail, const QString &name, QTextStream &out,
           QTextStream &err)
{
    const QString groupName = name.trimmed();
    if (groupName.isEmpty() || groupName.size() > 200) {
        err << "ledgerwell-server: the group needs a name (at most 200 characters)" << Qt::endl;
        return 2;
    }
    const std::optional<UserRow> owner = UserStore(storage).findByEmail(ownerEmail);
    if (!owner) {
        err << "ledgerwell-server: no user with the address " << ownerEmail
            << " (add one with 'user add')" << Qt::endl;
        return 1;
    }
    const GroupStore groups(storage);
    if (const auto membership = groups.membershipOf(owner->id)) {
        err << "ledgerwell-server: " << owner->email << " is in the group '"
            << membership->group.name << "' already" << Qt::endl;
        return 1;
    }
    const std::optional<GroupRow> group = groups.create(owner->id, groupName);
    if (!group) {
        err << "ledgerwell-server: cannot create the group" << Qt::endl;
        return 1;
    }
    out << "Created the group '" << group->name << "' (" << group->id << ") owned by "
        << owner->email << ", " << group->maxSeats << " seats" << Qt::endl;
    return 0;
}

} // namespace GroupCommand
