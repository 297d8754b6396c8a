#include "server/devicestore.h"

#include "server/storage.h"

#include <QUuid>

namespace {

const QString kSelect = QStringLiteral(
    "SELECT id, user_id, device_name, platform, app_id, app_version, device_fingerprint, "
    "last_sync_at, created_at FROM devices ");

DeviceRow deviceFrom(const QSqlQuery &q)
{
    return {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
            q.value(3).toString(), q.value(4).toString(), q.value(5).toString(),
            q.value(6).toString(), q.value(7).toString(), q.value(8).toString()};
}

} // namespace

std::optional<DeviceRow> DeviceStore::registerDevice(DeviceRow device) const
{
    const std::optional<DeviceRow> existing =
        findByFingerprint(device.userId, device.deviceFingerprint);
    if (existing) {
        device.id = existing->id;
        device.createdAt = existing->createdAt;
        device.lastSyncAt = existing->lastSyncAt;
        const bool ok = m_storage.exec(
            QStringLiteral("UPDATE devices SET device_name = ?, platform = ?, app_id = ?, "
                           "app_version = ? WHERE id = ?"),
            {device.deviceName, device.platform, device.appId, device.appVersion, device.id},
            "DeviceStore::registerDevice");
        return ok ? std::optional<DeviceRow>(device) : std::nullopt;
    }
    device.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    device.createdAt = Storage::now();
    const bool ok = m_storage.exec(
        QStringLiteral("INSERT INTO devices (id, user_id, device_name, platform, app_id, "
                       "app_version, device_fingerprint, last_sync_at, created_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, '', ?)"),
        {device.id, device.userId, device.deviceName, device.platform, device.appId,
         device.appVersion, device.deviceFingerprint, device.createdAt},
        "DeviceStore::registerDevice");
    return ok ? std::optional<DeviceRow>(device) : std::nullopt;
}

QList<DeviceRow> DeviceStore::list(const QString &userId) const
{
    QList<DeviceRow> devices;
    m_storage.select(kSelect + QStringLiteral("WHERE user_id = ? ORDER BY created_at"), {userId},
                     "DeviceStore::list",
                     [&](const QSqlQuery &q) { devices.append(deviceFrom(q)); });
    return devices;
}

bool DeviceStore::remove(const QString &userId, const QString &id) const
{
    int rows = 0;
    const bool ok =
        m_storage.exec(QStringLiteral("DELETE FROM devices WHERE id = ? AND user_id = ?"),
                       {id, userId}, "DeviceStore::remove", &rows);
    return ok && rows > 0;
}

std::optional<DeviceRow> DeviceStore::findByFingerprint(const QString &userId,
                                                        const QString &fingerprint) const
{
    std::optional<DeviceRow> found;
    m_storage.select(kSelect + QStringLiteral("WHERE user_id = ? AND device_fingerprint = ?"),
                     {userId, fingerprint}, "DeviceStore::findByFingerprint",
                     [&](const QSqlQuery &q) { found = deviceFrom(q); });
    return found;
}
