#include "csvparser.h"

namespace {

class RowBuilder
{
public:
    void append(QChar c) { m_field.append(c); }

    void endField()
    {
        m_row.append(m_field.trimmed());
        m_field.clear();
    }

    void endRow(QList<QStringList> &rows)
    {
        endField();
        // A blank line is a row of one empty field: dropped.
        if (!(m_row.size() == 1 && m_row.first().isEmpty())) {
            rows.append(m_row);
        }
        m_row.clear();
    }

    bool pending() const { return !m_field.isEmpty() || !m_row.isEmpty(); }

private:
    QString m_field;
    QStringList m_row;
};

} // namespace

namespace CsvParser {

QList<QStringList> parse(const QString &text)
{
    QList<QStringList> rows;
    RowBuilder row;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                row.append(c);
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                row.append(c);
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row.endField();
        } else if (c == u'\n') {
            row.endRow(rows);
        } else if (c == u'\r') {
            // CR LF is one line end (the LF ends the row); a lone CR ends it by itself.
            if (i + 1 >= text.size() || text[i + 1] != u'\n') {
                row.endRow(rows);
            }
        } else {
            row.append(c);
        }
    }
    if (row.pending()) {
        row.endRow(rows);
    }
    return rows;
}

} // namespace CsvParser
