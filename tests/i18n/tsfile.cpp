#include "tsfile.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

TsMessage readMessage(QXmlStreamReader &xml, const QString &context)
{
    TsMessage message;
    message.context = context;
    message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!message.numerus) {
                message.translations.append(xml.readElementText());
                continue;
            }
            while (xml.readNextStartElement()) {
                message.translations.append(xml.readElementText());
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    return message;
}

void readContext(QXmlStreamReader &xml, QList<TsMessage> &messages)
{
    QString context;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append(readMessage(xml, context));
        } else {
            xml.skipCurrentElement();
        }
    }
}

} // namespace

std::optional<QList<TsMessage>> TsFile::read(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    QXmlStreamReader xml(&file);
    QList<TsMessage> messages;
    if (xml.readNextStartElement() && xml.name() == QLatin1String("TS")) {
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("context")) {
                readContext(xml, messages);
            } else {
                xml.skipCurrentElement();
            }
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1 at line %2").arg(xml.errorString()).arg(xml.lineNumber());
        return std::nullopt;
    }
    return messages;
}
