#pragma once

#include <QFile>
#include <QString>
#include <QStringDecoder>

#include <optional>

// Reads an import file as text a piece at a time, so that memory stays flat however large the
// file is. The encoding is decided as for a whole file (TextDecoder): a byte-order mark, else
// strictly valid UTF-8 throughout, else Windows-1252; without a mark that takes one pass over
// the bytes before the first piece is read.
class TextFileReader
{
public:
    static constexpr qint64 kChunkBytes = 1024 * 1024;

    explicit TextFileReader(const QString &path);
    TextFileReader(const TextFileReader &) = delete;
    TextFileReader &operator=(const TextFileReader &) = delete;

    // Opens the file and settles its encoding; false when it cannot be read.
    bool open();
    QString errorString() const { return m_file.errorString(); }
    // The next piece of text; an empty text at the end of the file.
    QString read();
    // Back to the first character, for another pass.
    bool rewind();

private:
    enum class Encoding
    {
        Utf8,
        Utf16LE,
        Utf16BE,
        Windows1252
    };
    bool detect();
    bool wholeFileIsUtf8();

    QFile m_file;
    Encoding m_encoding = Encoding::Utf8;
    qint64 m_textStart = 0;
    std::optional<QStringDecoder> m_decoder;
};
