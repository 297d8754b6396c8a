#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace VarnAccount {

// Where the two tokens live between runs.
class TokenStore
{
public:
    static constexpr const char *kAccessTokenKey = "varnaby_access_token";
    static constexpr const char *kRefreshTokenKey = "varnaby_refresh_token";

    virtual ~TokenStore() = default;
    virtual std::optional<QString> read(const QString &key) = 0;
    virtual bool write(const QString &key, const QString &value) = 0;
    virtual bool remove(const QString &key) = 0;
    // Removes both token keys.
    void clear();

    // The platform's store: on Windows the Credential Manager; elsewhere the Secret Service
    // through QtKeychain when one answers, else an owner-only file in `dataDir`.
    static std::unique_ptr<TokenStore> createDefault(const QString &appId, const QString &dataDir);
};

} // namespace VarnAccount
