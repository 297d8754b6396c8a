#pragma once

#include "account/tokenstore.h"

namespace VarnAccount {

// Tokens in the desktop's Secret Service (GNOME Keyring, KWallet) through QtKeychain, under the
// service name "Varnaby/<application id>". Each call waits for its job (a few milliseconds).
class KeychainTokenStore final : public TokenStore
{
public:
    explicit KeychainTokenStore(const QString &appId);

    // True when a Secret Service answers a read (an entry that is not there counts as an
    // answer); false without a session bus, without the service, or with a locked keyring.
    static bool isAvailable(const QString &appId);

    std::optional<QString> read(const QString &key) override;
    bool write(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;

private:
    QString m_service;
};

} // namespace VarnAccount
