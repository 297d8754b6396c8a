#pragma once

#include <QHttpServerResponse>
#include <QString>

class HttpApp;
class QHttpServerRequest;

// The download server: a folder's files, read-only, at their paths below it
// (/ledgerwell/stable/latest.json, /ledgerwell/1.0.4/release-notes.md, the packages). Only
// GET of a regular file inside the folder is answered; folders are never listed, and a path
// with a dot segment, an encoded slash or backslash, or one that leads outside the folder
// (through a symbolic link, say) gets the same 404 as a missing file.
namespace DownloadRoutes {

void serveFolder(HttpApp &app, const QString &folder);
// The canonical file path a request path (percent-encoded, as on the wire) names inside
// `folder`; empty when it names none.
QString resolve(const QString &folder, const QString &encodedPath);
QHttpServerResponse answer(const QString &folder, const QHttpServerRequest &request);
QByteArray contentType(const QString &fileName);

} // namespace DownloadRoutes
