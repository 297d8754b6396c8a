#include "zipreader.h"

#include <zip.h>

ZipReader::ZipReader(const QByteArray &archive)
    : m_bytes(archive)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source =
        zip_source_buffer_create(m_bytes.constData(), zip_uint64_t(m_bytes.size()), 0, &error);
    if (source) {
        m_archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (!m_archive) {
            zip_source_free(source);
        }
    }
    zip_error_fini(&error);
}

ZipReader::~ZipReader()
{
    if (m_archive) {
        zip_discard(m_archive);
    }
}

QStringList ZipReader::fileNames() const
{
    QStringList names;
    const zip_int64_t count = m_archive ? zip_get_num_entries(m_archive, 0) : 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        if (const char *name = zip_get_name(m_archive, zip_uint64_t(i), ZIP_FL_ENC_GUESS)) {
            names << QString::fromUtf8(name);
        }
    }
    return names;
}

ZipReader::Expansion ZipReader::expansion() const
{
    Expansion result;
    const zip_int64_t count = m_archive ? zip_get_num_entries(m_archive, 0) : 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(m_archive, zip_uint64_t(i), 0, &stat) != 0 ||
            !(stat.valid & ZIP_STAT_SIZE) || !(stat.valid & ZIP_STAT_COMP_SIZE)) {
            continue;
        }
        result.totalSize += stat.size;
        const double ratio = double(stat.size) / double(std::max<zip_uint64_t>(stat.comp_size, 1));
        if (ratio > result.worstRatio) {
            result.worstRatio = ratio;
            result.worstEntry = QString::fromUtf8(stat.name);
        }
    }
    return result;
}

std::optional<QByteArray> ZipReader::read(const QString &name, qint64 maxSize) const
{
    if (!m_archive) {
        return std::nullopt;
    }
    const QByteArray utf8 = name.toUtf8();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(m_archive, utf8.constData(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        stat.size > zip_uint64_t(maxSize)) {
        return std::nullopt;
    }
    zip_file_t *file = zip_fopen_index(m_archive, stat.index, 0);
    if (!file) {
        return std::nullopt;
    }
    QByteArray content(qsizetype(stat.size), Qt::Uninitialized);
    const zip_int64_t got = zip_fread(file, content.data(), stat.size);
    zip_fclose(file);
    if (got != zip_int64_t(stat.size)) {
        return std::nullopt;
    }
    return content;
}
