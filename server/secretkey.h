#pragma once

#include <QByteArray>
#include <QString>

// The key that signs access tokens: read from a file, or created (32 random bytes) in the data
// directory at first start, owner-only from the moment the file exists.
namespace SecretKey {

// The key, or an empty array with `error` set.
QByteArray loadOrCreate(const QString &secretFile, const QString &dataDir, QString *error);

} // namespace SecretKey
