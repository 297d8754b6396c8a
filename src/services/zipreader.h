#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

typedef struct zip zip_t;

// Reads a ZIP archive held in memory, on libzip.
class ZipReader
{
public:
    explicit ZipReader(const QByteArray &archive);
    ~ZipReader();
    ZipReader(const ZipReader &) = delete;
    ZipReader &operator=(const ZipReader &) = delete;

    bool isOpen() const { return m_archive != nullptr; }
    // Entry names in archive order.
    QStringList fileNames() const;
    // The entry's bytes; nothing when it is missing, unreadable or larger than `maxSize`.
    std::optional<QByteArray> read(const QString &name, qint64 maxSize) const;

private:
    QByteArray m_bytes; // libzip reads from this buffer without copying it
    zip_t *m_archive = nullptr;
};
