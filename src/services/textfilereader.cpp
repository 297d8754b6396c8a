#include "textfilereader.h"

#include "textdecoder.h"

namespace {

// How many leading bytes of `bytes` hold no UTF-8 sequence cut off by the end of the piece: the
// rest is carried over to the next piece.
qsizetype completePrefix(const QByteArray &bytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80) {
            continue; // a continuation byte: the lead is further back
        }
        const int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? size - back : size;
    }
    return size;
}

} // namespace

TextFileReader::TextFileReader(const QString &path)
    : m_file(path)
{
}

bool TextFileReader::open()
{
    return m_file.open(QIODevice::ReadOnly) && detect() && rewind();
}

bool TextFileReader::detect()
{
    const QByteArray head = m_file.peek(3);
    if (head.startsWith("\xEF\xBB\xBF")) {
        m_encoding = Encoding::Utf8;
        m_textStart = 3;
    } else if (head.startsWith("\xFF\xFE")) {
        m_encoding = Encoding::Utf16LE;
        m_textStart = 2;
    } else if (head.startsWith("\xFE\xFF")) {
        m_encoding = Encoding::Utf16BE;
        m_textStart = 2;
    } else {
        m_encoding = wholeFileIsUtf8() ? Encoding::Utf8 : Encoding::Windows1252;
        m_textStart = 0;
    }
    return true;
}

bool TextFileReader::wholeFileIsUtf8()
{
    QByteArray carried;
    while (!m_file.atEnd()) {
        const QByteArray piece = carried + m_file.read(kChunkBytes);
        const qsizetype complete = completePrefix(piece);
        if (!TextDecoder::isStrictUtf8(piece.left(complete))) {
            return false;
        }
        carried = piece.mid(complete);
    }
    // A sequence still open at the end of the file is a truncated one.
    return carried.isEmpty();
}

bool TextFileReader::rewind()
{
    if (!m_file.seek(m_textStart)) {
        return false;
    }
    switch (m_encoding) {
    case Encoding::Utf8:
        m_decoder.emplace(QStringDecoder::Utf8);
        break;
    case Encoding::Utf16LE:
        m_decoder.emplace(QStringDecoder::Utf16LE);
        break;
    case Encoding::Utf16BE:
        m_decoder.emplace(QStringDecoder::Utf16BE);
        break;
    case Encoding::Windows1252:
        m_decoder.reset();
        break;
    }
    return true;
}

QString TextFileReader::read()
{
    const QByteArray bytes = m_file.read(kChunkBytes);
    if (!m_decoder) {
        return TextDecoder::fromWindows1252(bytes);
    }
    QString text = m_decoder->decode(bytes);
    // A UTF-16 file of an odd length, say: what the decoder holds back comes out at the end.
    if (text.isEmpty() && !bytes.isEmpty()) {
        text = read();
    }
    return text;
}
