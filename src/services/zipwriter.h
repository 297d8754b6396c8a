#pragma once

#include <QByteArray>
#include <QString>

typedef struct zip zip_t;
typedef struct zip_source zip_source_t;

// Builds a ZIP archive in memory (deflated entries, UTF-8 names) on libzip.
class ZipWriter
{
public:
    ZipWriter();
    ~ZipWriter();
    ZipWriter(const ZipWriter &) = delete;
    ZipWriter &operator=(const ZipWriter &) = delete;

    bool addFile(const QString &name, const QByteArray &content);
    // Finishes the archive and returns its bytes; empty on failure.
    QByteArray finish();

private:
    zip_source_t *m_source = nullptr;
    zip_t *m_archive = nullptr;
};
