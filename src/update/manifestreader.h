#pragma once

#include "update/manifest.h"

#include <QByteArray>
#include <QJsonObject>

#include <optional>

namespace VarnUpdate {

// Reads and validates latest.json. On failure, `error` holds the reason without the
// "manifest invalid: " prefix that the update check puts in front of it.
namespace ManifestReader {

constexpr int kSchema = 1;

std::optional<Manifest> read(const QByteArray &json, QString *error);
// One artifact object; nothing when a rule fails.
std::optional<Artifact> readArtifact(const QJsonObject &object);

} // namespace ManifestReader

} // namespace VarnUpdate
