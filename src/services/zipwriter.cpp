#include "zipwriter.h"

#include <cstdlib>
#include <cstring>
#include <zip.h>

ZipWriter::ZipWriter()
{
    zip_error_t error;
    zip_error_init(&error);
    m_source = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (m_source) {
        // Kept alive past zip_close so that the finished bytes can be read back from it.
        zip_source_keep(m_source);
        m_archive = zip_open_from_source(m_source, ZIP_TRUNCATE, &error);
    }
    zip_error_fini(&error);
}

ZipWriter::~ZipWriter()
{
    if (m_archive) {
        zip_discard(m_archive);
    }
    if (m_source) {
        zip_source_free(m_source);
    }
}

bool ZipWriter::addFile(const QString &name, const QByteArray &content)
{
    if (!m_archive) {
        return false;
    }
    // libzip reads the data only when the archive is closed: hand it a copy it frees itself.
    void *copy = std::malloc(size_t(std::max<qsizetype>(content.size(), 1)));
    if (!copy) {
        return false;
    }
    std::memcpy(copy, content.constData(), size_t(content.size()));
    zip_source_t *data = zip_source_buffer(m_archive, copy, zip_uint64_t(content.size()), 1);
    if (!data) {
        std::free(copy);
        return false;
    }
    const zip_int64_t index =
        zip_file_add(m_archive, name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(data);
        return false;
    }
    zip_set_file_compression(m_archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 6);
    return true;
}

QByteArray ZipWriter::finish()
{
    if (!m_archive || zip_close(m_archive) != 0) {
        return {};
    }
    m_archive = nullptr;
    QByteArray bytes;
    if (zip_source_open(m_source) == 0) {
        zip_source_seek(m_source, 0, SEEK_END);
        const zip_int64_t size = zip_source_tell(m_source);
        zip_source_seek(m_source, 0, SEEK_SET);
        if (size > 0) {
            bytes.resize(qsizetype(size));
            if (zip_source_read(m_source, bytes.data(), zip_uint64_t(size)) != size) {
                bytes.clear();
            }
        }
        zip_source_close(m_source);
    }
    return bytes;
}
