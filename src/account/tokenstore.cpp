#include "account/tokenstore.h"

#include <QDir>

#ifdef Q_OS_WIN
#include "account/credentialmanagertokenstore.h"
#else
#include "account/filetokenstore.h"
#include "account/keychaintokenstore.h"
#endif

namespace VarnAccount {

void TokenStore::clear()
{
    remove(QString::fromLatin1(kAccessTokenKey));
    remove(QString::fromLatin1(kRefreshTokenKey));
}

std::unique_ptr<TokenStore> TokenStore::createDefault(const QString &appId, const QString &dataDir)
{
#ifdef Q_OS_WIN
    Q_UNUSED(dataDir)
    return std::make_unique<CredentialManagerTokenStore>(appId);
#else
    if (KeychainTokenStore::isAvailable(appId)) {
        return std::make_unique<KeychainTokenStore>(appId);
    }
    static bool warned = false;
    if (!warned) {
        warned = true;
        qWarning("No Secret Service answers: the sign-in is kept in a file readable only by you "
                 "in %s",
                 qPrintable(QDir::toNativeSeparators(dataDir)));
    }
    return std::make_unique<FileTokenStore>(QDir(dataDir).filePath(QStringLiteral("tokens.json")));
#endif
}

} // namespace VarnAccount
