#pragma once

#include "account/tokenstore.h"

#include <QJsonObject>

namespace VarnAccount {

// Tokens in a small JSON file, for machines without a Secret Service. Every write replaces the
// file through a new file created with mode 0600 (and renamed over the old one), so the tokens
// are never readable by anybody else, whatever the umask, not even for a moment.
class FileTokenStore final : public TokenStore
{
public:
    explicit FileTokenStore(const QString &path)
        : m_path(path)
    {
    }

    std::optional<QString> read(const QString &key) override;
    bool write(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;

    QString path() const { return m_path; }

private:
    QJsonObject load() const;
    bool save(const QJsonObject &entries) const;

    QString m_path;
};

} // namespace VarnAccount
