#include "server/secretkey.h"

#include "server/passwordhasher.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool createOwnerOnly(const QString &path, const QByteArray &content)
{
    // O_EXCL with mode 0600: the file is never readable by others, not even for a moment.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) {
        return false;
    }
    const bool written = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    return (::close(fd) == 0) && written;
}

} // namespace

namespace SecretKey {

QByteArray loadOrCreate(const QString &secretFile, const QString &dataDir, QString *error)
{
    const QString path = secretFile.isEmpty()
                             ? QDir(dataDir).filePath(QStringLiteral("token-secret.key"))
                             : secretFile;
    if (!QFile::exists(path)) {
        if (!secretFile.isEmpty()) {
            *error = QStringLiteral("the secret file %1 does not exist").arg(path);
            return {};
        }
        QDir().mkpath(dataDir);
        if (!createOwnerOnly(path, PasswordHasher::randomBytes(32).toHex())) {
            *error = QStringLiteral("cannot create %1").arg(path);
            return {};
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return {};
    }
    const QByteArray key = file.readAll().trimmed();
    if (key.size() < 32) {
        *error = QStringLiteral("the secret in %1 is shorter than 32 bytes").arg(path);
        return {};
    }
    return key;
}

} // namespace SecretKey
