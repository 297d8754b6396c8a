// libFuzzer target: arbitrary bytes through the text decoder and the QIF parser and its readers.
#include "services/qifparser.h"
#include "services/textdecoder.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = TextDecoder::decode(bytes);
    const QifParseResult result = QifParser::parse(text);
    for (const QifTransaction &t : result.transactions) {
        if (!t.date.isValid()) {
            __builtin_trap(); // a parsed transaction always has a date
        }
    }
    QifParser::readAmount(text.left(64));
    QifParser::readDate(text.left(64), QifDateOrder::Automatic);
    return 0;
}
