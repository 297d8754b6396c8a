#include "account/filetokenstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRandomGenerator>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace VarnAccount {

QJsonObject FileTokenStore::load() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool FileTokenStore::save(const QJsonObject &entries) const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QString temporary =
        m_path + QStringLiteral(".%1.tmp").arg(QRandomGenerator::system()->generate(), 8, 16,
                                               QLatin1Char('0'));
    const QByteArray name = QFile::encodeName(temporary);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const QByteArray bytes = QJsonDocument(entries).toJson(QJsonDocument::Compact);
    bool ok = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    ok = (::fsync(fd) == 0) && ok;
    ok = (::close(fd) == 0) && ok;
    if (!ok || std::rename(name.constData(), QFile::encodeName(m_path).constData()) != 0) {
        ::unlink(name.constData());
        return false;
    }
    return true;
}

std::optional<QString> FileTokenStore::read(const QString &key)
{
    const QJsonValue value = load().value(key);
    return value.isString() ? std::optional<QString>(value.toString()) : std::nullopt;
}

bool FileTokenStore::write(const QString &key, const QString &value)
{
    QJsonObject entries = load();
    entries.insert(key, value);
    return save(entries);
}

bool FileTokenStore::remove(const QString &key)
{
    QJsonObject entries = load();
    if (!entries.contains(key)) {
        return true;
    }
    entries.remove(key);
    return save(entries);
}

} // namespace VarnAccount
