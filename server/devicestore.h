#pragma once

#include "server/records.h"

#include <QList>

#include <optional>

class Storage;

// The devices table: one row per user and device fingerprint.
class DeviceStore
{
public:
    explicit DeviceStore(const Storage &storage)
        : m_storage(storage)
    {
    }

    // Inserts the device, or updates the row that has the same fingerprint for this user.
    std::optional<DeviceRow> registerDevice(DeviceRow device) const;
    QList<DeviceRow> list(const QString &userId) const;
    bool remove(const QString &userId, const QString &id) const;

private:
    std::optional<DeviceRow> findByFingerprint(const QString &userId,
                                               const QString &fingerprint) const;

    const Storage &m_storage;
};
