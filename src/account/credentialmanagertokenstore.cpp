#include "account/credentialmanagertokenstore.h"

#include <wincred.h>
#include <windows.h>

namespace VarnAccount {

std::wstring CredentialManagerTokenStore::target(const QString &key) const
{
    return QStringLiteral("Varnaby/%1/%2").arg(m_appId, key).toStdWString();
}

std::optional<QString> CredentialManagerTokenStore::read(const QString &key)
{
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(target(key).c_str(), CRED_TYPE_GENERIC, 0, &credential)) {
        return std::nullopt;
    }
    const QString value =
        QString::fromUtf8(reinterpret_cast<const char *>(credential->CredentialBlob),
                          int(credential->CredentialBlobSize));
    CredFree(credential);
    return value;
}

bool CredentialManagerTokenStore::write(const QString &key, const QString &value)
{
    std::wstring name = target(key);
    QByteArray blob = value.toUtf8();
    CREDENTIALW credential = {};
    credential.Flags = 0;
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = name.data();
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(blob.data());
    credential.CredentialBlobSize = DWORD(blob.size());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    return CredWriteW(&credential, 0) != FALSE;
}

bool CredentialManagerTokenStore::remove(const QString &key)
{
    return CredDeleteW(target(key).c_str(), CRED_TYPE_GENERIC, 0) != FALSE;
}

} // namespace VarnAccount
