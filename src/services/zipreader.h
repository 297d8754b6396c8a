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
    struct Expansion
    {
        quint64 totalSize = 0; // every entry's uncompressed size, added up
        double worstRatio = 0; // the largest uncompressed : compressed ratio of one entry
        QString worstEntry;
    };
    // What the archive says it expands to, read from its directory without inflating anything.
    Expansion expansion() const;
    // The entry's bytes; nothing when it is missing, unreadable or larger than `maxSize`.
    std::optional<QByteArray> read(const QString &name, qint64 maxSize) const;

private:
    QByteArray m_bytes; // libzip reads from this buffer without copying it
    zip_t *m_archive = nullptr;
};
