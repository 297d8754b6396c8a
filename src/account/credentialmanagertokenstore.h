#pragma once

#include "account/tokenstore.h"

namespace VarnAccount {

// Windows: tokens as generic credentials "Varnaby/<application id>/<key>" in the Credential
// Manager, persisted for the local machine. Compiled on Windows only.
class CredentialManagerTokenStore final : public TokenStore
{
public:
    explicit CredentialManagerTokenStore(const QString &appId)
        : m_appId(appId)
    {
    }

    std::optional<QString> read(const QString &key) override;
    bool write(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;

private:
    std::wstring target(const QString &key) const;

    QString m_appId;
};

} // namespace VarnAccount
