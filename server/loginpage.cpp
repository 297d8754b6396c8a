#include "server/loginpage.h"

namespace {

const char *const kStyle =
    "body{font-family:sans-serif;background:#f4f6f5;margin:0}"
    "main{max-width:360px;margin:64px auto;background:#fff;padding:32px;border-radius:8px;"
    "box-shadow:0 1px 4px rgba(0,0,0,.15)}"
    "label{display:block;margin-top:16px;font-size:14px}"
    "input{width:100%;box-sizing:border-box;padding:8px;margin-top:4px;font-size:15px}"
    "button{margin-top:24px;width:100%;padding:10px;font-size:15px;background:#00897B;"
    "color:#fff;border:none;border-radius:4px}"
    ".error{color:#C62828;margin-top:16px}";

QByteArray page(const QString &title, const QString &body)
{
    return (QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>") +
            title.toHtmlEscaped() + QStringLiteral("</title><style>") +
            QString::fromLatin1(kStyle) + QStringLiteral("</style></head><body><main>") + body +
            QStringLiteral("</main></body></html>"))
        .toUtf8();
}

} // namespace

namespace LoginPage {

QByteArray render(const QString &realm, const QString &clientId, const QString &redirectUri,
                  const QString &email, const QString &error)
{
    const QString errorLine = error.isEmpty()
                                  ? QString()
                                  : QString(QStringLiteral("<p class=\"error\" id=\"error\">") +
                                            error.toHtmlEscaped() + QStringLiteral("</p>"));
    const QString form =
        QStringLiteral("<h2>Sign in to Ledgerwell</h2>") + errorLine +
        QStringLiteral("<form method=\"post\" action=\"/%1/account/login\">"
                       "<input type=\"hidden\" name=\"client_id\" value=\"%2\">"
                       "<input type=\"hidden\" name=\"redirect_uri\" value=\"%3\">"
                       "<label for=\"email\">E-mail</label>"
                       "<input id=\"email\" name=\"email\" type=\"email\" value=\"%4\" "
                       "autocomplete=\"username\" required autofocus>"
                       "<label for=\"password\">Password</label>"
                       "<input id=\"password\" name=\"password\" type=\"password\" "
                       "autocomplete=\"current-password\" required>"
                       "<button id=\"submit\" type=\"submit\">Sign in</button></form>")
            .arg(realm.toHtmlEscaped(), clientId.toHtmlEscaped(), redirectUri.toHtmlEscaped(),
                 email.toHtmlEscaped());
    return page(QStringLiteral("Sign in"), form);
}

QByteArray message(const QString &title, const QString &text)
{
    return page(title, QStringLiteral("<h2>") + title.toHtmlEscaped() + QStringLiteral("</h2><p>") +
                           text.toHtmlEscaped() + QStringLiteral("</p>"));
}

} // namespace LoginPage
