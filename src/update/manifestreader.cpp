#include "update/manifestreader.h"

#include <QJsonDocument>
#include <QJsonValue>

#include <cmath>

namespace VarnUpdate::ManifestReader {

namespace {

bool readSchema(const QJsonObject &root, QString *error)
{
    const QJsonValue value = root.value(QLatin1String("schema"));
    const double number = value.toDouble();
    if (!value.isDouble() || std::trunc(number) != number) {
        *error = QStringLiteral("missing or non-integer field: schema");
        return false;
    }
    if (number != kSchema) {
        *error = QStringLiteral("unsupported manifest schema: %1 (expected %2)")
                     .arg(QString::number(number, 'g', 17), QString::number(kSchema));
        return false;
    }
    return true;
}

// A required, non-empty string field of the root.
std::optional<QString> readName(const QJsonObject &root, const QString &key, QString *error)
{
    const QJsonValue value = root.value(key);
    if (!value.isString()) {
        *error = QStringLiteral("missing or non-string field: %1").arg(key);
        return std::nullopt;
    }
    if (value.toString().isEmpty()) {
        *error = QStringLiteral("manifest failed validation");
        return std::nullopt;
    }
    return value.toString();
}

bool readArtifacts(const QJsonObject &root, Manifest *manifest, QString *error)
{
    const QJsonValue value = root.value(QLatin1String("artifacts"));
    if (!value.isObject()) {
        *error = QStringLiteral("missing or non-object field: artifacts");
        return false;
    }
    const QJsonObject artifacts = value.toObject();
    for (auto it = artifacts.begin(); it != artifacts.end(); ++it) {
        if (!it.value().isObject()) {
            *error = QStringLiteral("artifact %1 is not an object").arg(it.key());
            return false;
        }
        const std::optional<Artifact> artifact = readArtifact(it.value().toObject());
        if (!artifact) {
            *error = QStringLiteral("artifact %1 failed validation").arg(it.key());
            return false;
        }
        manifest->artifacts.insert(it.key(), *artifact);
    }
    if (manifest->artifacts.isEmpty()) {
        *error = QStringLiteral("manifest failed validation");
        return false;
    }
    return true;
}

QString text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

} // namespace

std::optional<Artifact> readArtifact(const QJsonObject &object)
{
    Artifact artifact;
    for (const char *key : {"version", "released_at", "url", "sha256"}) {
        if (!object.value(QLatin1String(key)).isString()) {
            return std::nullopt;
        }
    }
    artifact.version = text(object, "version");
    artifact.releasedAt = QDateTime::fromString(text(object, "released_at"), Qt::ISODateWithMs);
    artifact.url = QUrl(text(object, "url"), QUrl::StrictMode);
    // The size is a JSON number, so a double; a missing one reads as -1.
    artifact.size = qint64(object.value(QLatin1String("size")).toDouble(-1));
    artifact.sha256 = text(object, "sha256");
    artifact.mandatory = object.value(QLatin1String("mandatory")).toBool(false);
    artifact.minUpgradableFrom = text(object, "min_upgradable_from");
    const QString notes = text(object, "release_notes_url");
    if (!notes.isEmpty()) {
        artifact.releaseNotesUrl = QUrl(notes, QUrl::StrictMode);
    }
    const bool valid = !artifact.version.isEmpty() && artifact.releasedAt.isValid() &&
                       artifact.url.isValid() && !artifact.url.isRelative() && artifact.size >= 1 &&
                       artifact.sha256.size() == 64;
    return valid ? std::optional<Artifact>(artifact) : std::nullopt;
}

std::optional<Manifest> read(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("JSON parse error: %1").arg(parseError.errorString());
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("manifest root is not a JSON object");
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    Manifest manifest;
    if (!readSchema(root, error)) {
        return std::nullopt;
    }
    manifest.schema = kSchema;
    const std::optional<QString> app = readName(root, QStringLiteral("app"), error);
    const std::optional<QString> channel =
        app ? readName(root, QStringLiteral("channel"), error) : std::nullopt;
    if (!app || !channel || !readArtifacts(root, &manifest, error)) {
        return std::nullopt;
    }
    manifest.app = *app;
    manifest.channel = *channel;
    return manifest;
}

} // namespace VarnUpdate::ManifestReader
