#pragma once

#include <QByteArray>
#include <QString>

// The realm's sign-in page: a plain HTML form (e-mail, password) that posts back to itself with
// the client identifier and redirect URI carried in hidden fields.
namespace LoginPage {

QByteArray render(const QString &realm, const QString &clientId, const QString &redirectUri,
                  const QString &email, const QString &error);
QByteArray message(const QString &title, const QString &text);

} // namespace LoginPage
