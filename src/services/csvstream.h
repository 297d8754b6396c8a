#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// The CSV rules of CsvParser, fed a piece of text at a time: each finished row goes to the
// handler as soon as its line ends, so a file of any size is read in flat memory. A record
// longer than kMaxRecordChars (one huge line, or a quote that never closes) is not kept: the
// handler gets it once, without fields and marked overlong.
class CsvStream
{
public:
    static constexpr qsizetype kMaxRecordChars = 1024 * 1024;
    // Returns false to stop reading.
    using RowHandler = std::function<bool(const QStringList &fields, bool overlong)>;

    explicit CsvStream(RowHandler handler);

    // False when the handler asked to stop.
    bool feed(QStringView text);
    // Completes a row the text left open.
    bool finish();

private:
    void append(QChar c);
    void endField();
    bool endRow();

    RowHandler m_handler;
    QString m_field;
    QStringList m_row;
    qsizetype m_rowChars = 0;
    bool m_quoted = false;
    bool m_quoteClosed = false; // a quote just closed: a second one is an escaped quote
    bool m_afterCr = false;     // an LF right after a CR belongs to the same line end
    bool m_overlong = false;
};
