#pragma once

#include <QByteArray>
#include <QString>

// Argon2id password hashes (libsodium's crypto_pwhash_str with the interactive limits), and the
// random bytes the server hands out as secrets.
namespace PasswordHasher {

// False when libsodium cannot start; nothing else here may be used then.
bool initialize();
// The encoded hash ("$argon2id$..."), or an empty text when hashing failed.
QString hash(const QString &password);
bool verify(const QString &encodedHash, const QString &password);
QByteArray randomBytes(int count);
// Compares two byte strings in time independent of where they differ.
bool equalConstantTime(const QByteArray &a, const QByteArray &b);

} // namespace PasswordHasher
