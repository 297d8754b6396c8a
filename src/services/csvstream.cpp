#include "csvstream.h"

CsvStream::CsvStream(RowHandler handler)
    : m_handler(std::move(handler))
{
}

void CsvStream::append(QChar c)
{
    if (m_overlong) {
        return;
    }
    if (++m_rowChars > kMaxRecordChars) {
        m_overlong = true;
        m_field.clear();
        m_field.squeeze();
        m_row.clear();
        return;
    }
    m_field.append(c);
}

void CsvStream::endField()
{
    if (!m_overlong) {
        m_row.append(m_field.trimmed());
    }
    m_field.clear();
}

bool CsvStream::endRow()
{
    endField();
    bool go = true;
    if (m_overlong) {
        go = m_handler({}, true);
    } else if (!(m_row.size() == 1 && m_row.first().isEmpty())) {
        // A blank line is a row of one empty field: dropped.
        go = m_handler(m_row, false);
    }
    m_row.clear();
    m_rowChars = 0;
    m_overlong = false;
    return go;
}

bool CsvStream::feed(QStringView text)
{
    for (const QChar c : text) {
        const bool afterCr = m_afterCr;
        m_afterCr = false;
        if (m_quoteClosed) {
            m_quoteClosed = false;
            if (c == u'"') {
                // Two quotes inside a quoted field are one quote, and the field stays quoted.
                append(c);
                m_quoted = true;
                continue;
            }
        }
        if (m_quoted) {
            if (c == u'"') {
                m_quoted = false;
                m_quoteClosed = true;
            } else {
                append(c);
            }
        } else if (c == u'"') {
            m_quoted = true;
        } else if (c == u',') {
            ++m_rowChars;
            endField();
        } else if (c == u'\n') {
            if (!afterCr && !endRow()) {
                return false;
            }
        } else if (c == u'\r') {
            // CR LF is one line end; a lone CR (old Mac files) ends the line by itself.
            m_afterCr = true;
            if (!endRow()) {
                return false;
            }
        } else {
            append(c);
        }
    }
    return true;
}

bool CsvStream::finish()
{
    if (!m_field.isEmpty() || !m_row.isEmpty() || m_overlong) {
        return endRow();
    }
    return true;
}
