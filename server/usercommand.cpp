#include "server/usercommand.h"

#include "server/passwordhasher.h"
#include "server/storage.h"
#include "server/userstore.h"

#include <QTextStream>

namespace UserCommand {

int add(const Storage &storage, const QString &email, const QString &name, QTextStream &in,
        QTextStream &out, QTextStream &err)
{
    if (!email.contains(QLatin1Char('@'))) {
        err << "ledgerwell-server: not an e-mail address: " << email << Qt::endl;
        return 2;
    }
    const QString password = in.readLine();
    if (password.size() < 8) {
        err << "ledgerwell-server: the password (one line on standard input) needs at least 8 "
               "characters"
            << Qt::endl;
        return 2;
    }
    const UserStore users(storage);
    if (users.findByEmail(email)) {
        err << "ledgerwell-server: a user with the address " << email << " exists already"
            << Qt::endl;
        return 1;
    }
    const QString hash = PasswordHasher::hash(password);
    const std::optional<UserRow> user =
        hash.isEmpty() ? std::nullopt : users.add(email, name, hash);
    if (!user) {
        err << "ledgerwell-server: cannot add the user" << Qt::endl;
        return 1;
    }
    out << "Added " << user->email << " (" << user->id << ")" << Qt::endl;
    return 0;
}

} // namespace UserCommand
