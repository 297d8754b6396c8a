#include "server/downloadroutes.h"

#include "server/httpapp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace DownloadRoutes {

namespace {

bool hasForbiddenEscape(const QString &encodedPath)
{
    // Encoded "/", "\" and NUL would turn one segment into several, or cut the name short.
    for (const char *escape : {"%2f", "%5c", "%00"}) {
        if (encodedPath.contains(QLatin1String(escape), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return encodedPath.contains(QLatin1Char('\\'));
}

bool isPlainSegment(const QString &segment)
{
    // No empty segment (an absolute path after "//"), no "." or "..", no hidden file.
    return !segment.isEmpty() && !segment.startsWith(QLatin1Char('.')) &&
           !segment.contains(QLatin1Char('\\')) && !segment.contains(QChar(0));
}

} // namespace

QString resolve(const QString &folder, const QString &encodedPath)
{
    if (hasForbiddenEscape(encodedPath)) {
        return {};
    }
    const QString path = QUrl::fromPercentEncoding(encodedPath.toUtf8());
    if (!path.startsWith(QLatin1Char('/'))) {
        return {};
    }
    const QStringList segments = path.mid(1).split(QLatin1Char('/'));
    for (const QString &segment : segments) {
        if (!isPlainSegment(segment)) {
            return {};
        }
    }
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QFileInfo file(QDir(root).filePath(segments.join(QLatin1Char('/'))));
    const QString canonical = file.canonicalFilePath();
    if (root.isEmpty() || !file.isFile() || !canonical.startsWith(root + QLatin1Char('/'))) {
        return {};
    }
    return canonical;
}

QByteArray contentType(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".json"))) {
        return QByteArrayLiteral("application/json");
    }
    if (fileName.endsWith(QLatin1String(".md"))) {
        return QByteArrayLiteral("text/markdown; charset=utf-8");
    }
    if (fileName.endsWith(QLatin1String(".deb"))) {
        return QByteArrayLiteral("application/vnd.debian.binary-package");
    }
    return QByteArrayLiteral("application/octet-stream");
}

QHttpServerResponse answer(const QString &folder, const QHttpServerRequest &request)
{
    const QString path = resolve(folder, request.url().path(QUrl::FullyEncoded));
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return HttpApp::error(HttpApp::Status::NotFound, QStringLiteral("not found"));
    }
    return QHttpServerResponse(contentType(path), file.readAll());
}

void serveFolder(HttpApp &app, const QString &folder)
{
    app.setGetFallback(
        [folder](const QHttpServerRequest &request) { return answer(folder, request); });
}

} // namespace DownloadRoutes
