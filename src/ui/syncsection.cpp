#include "syncsection.h"

#include "account/authclient.h"
#include "account/client.h"
#include "account/syncengine.h"
#include "account/tokenmanager.h"
#include "account/tokenstore.h"
#include "app/appstate.h"
#include "data/preferencesrepository.h"
#include "register/themecolors.h"

#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The readable part of a sign-in token: who it was issued to.
QString nameInToken(const QString &token)
{
    const QByteArray payload = QByteArray::fromBase64(
        token.section(QLatin1Char('.'), 1, 1).toLatin1(), QByteArray::Base64UrlEncoding);
    const QJsonObject claims = QJsonDocument::fromJson(payload).object();
    for (const char *claim : {"name", "email", "preferred_username", "sub"}) {
        const QString value = claims.value(QLatin1String(claim)).toString();
        if (!value.isEmpty()) {
            return value;
        }
    }
    return QString();
}

QColor stateColour(SyncEngine::SyncState state)
{
    switch (state) {
    case SyncEngine::Idle:
        return ThemeColors::positiveAmount();
    case SyncEngine::Syncing:
        return QColor(0x00, 0x89, 0x7B);
    case SyncEngine::Error:
        return ThemeColors::negativeAmount();
    case SyncEngine::Offline:
        return ThemeColors::warning();
    }
    return ThemeColors::muted();
}

} // namespace

SyncSection::SyncSection(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_status(new QLabel(this))
    , m_syncNow(new QPushButton(tr("Sync Now"), this))
    , m_fullSync(new QPushButton(tr("Force Full Sync"), this))
    , m_question(Prompts::yesNo(QMessageBox::No))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_status->setWordWrap(true);
    layout->addWidget(m_status);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_syncNow);
    buttons->addWidget(m_fullSync);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_syncNow, &QPushButton::clicked, this, &SyncSection::syncNow);
    connect(m_fullSync, &QPushButton::clicked, this, &SyncSection::forceFullSync);
    // The status follows the engine and the sign-in while the window is open.
    connect(m_state->syncEngine(), &SyncEngine::stateChanged, this, &SyncSection::showStatus);
    connect(m_state->cloudClient(), &VarnAccount::Client::authStateChanged, this,
            &SyncSection::showStatus);
    showStatus();
}

void SyncSection::refresh()
{
    showStatus();
    VarnAccount::AuthClient *auth = m_state->cloudClient()->authClient();
    if (!auth->isAuthenticated()) {
        return;
    }
    // The reply may come after this window is gone (the client belongs to the application).
    QPointer<SyncSection> self(this);
    auth->fetchCurrentUser([self](const VarnAccount::User &) {
        if (self) {
            self->showStatus();
        }
    });
}

QString SyncSection::signedInName() const
{
    VarnAccount::Client *client = m_state->cloudClient();
    const VarnAccount::User user = client->authClient()->currentUser();
    if (!user.displayName.isEmpty()) {
        return user.displayName;
    }
    if (!user.email.isEmpty()) {
        return user.email;
    }
    const auto token = client->tokenManager()->store()->read(
        QLatin1String(VarnAccount::TokenStore::kAccessTokenKey));
    return nameInToken(token.value_or(QString()));
}

QString SyncSection::statusHtml() const
{
    SyncEngine *engine = m_state->syncEngine();
    const SyncEngine::SyncState state = engine->state();
    QString html = tr("<b>Signed in as:</b> %1<br><b>Status:</b> <span "
                      "style=\"color:%2\">%3</span>")
                       .arg(signedInName().toHtmlEscaped(), stateColour(state).name(),
                            SyncEngine::stateText(state).toHtmlEscaped());
    // The label is rich text, so its lines are broken with <br>, not with newlines.
    const QDateTime last = engine->lastCompletedAt();
    html +=
        QStringLiteral("<br>") +
        (last.isValid()
             ? tr("Last synced: %1")
                   .arg(QLocale().toString(last.toLocalTime(), QStringLiteral("MMM d, h:mm ap")))
             : tr("Never synced"));
    if (!engine->lastError().isEmpty()) {
        html += QStringLiteral("<br>") + tr("Error: %1").arg(engine->lastError().toHtmlEscaped());
    }
    return html;
}

void SyncSection::showStatus()
{
    const bool signedIn = m_state->cloudClient()->authClient()->isAuthenticated();
    if (!signedIn) {
        m_status->setTextFormat(Qt::PlainText);
        m_status->setText(tr("Not signed in.\nSign in via File \u203A Sign In to enable sync."));
    } else {
        m_status->setTextFormat(Qt::RichText);
        m_status->setText(statusHtml());
    }
    const bool idle = !m_waiting;
    m_syncNow->setEnabled(signedIn && idle);
    m_fullSync->setEnabled(signedIn && idle);
}

void SyncSection::syncNow()
{
    m_state->syncEngine()->syncNow();
    waitForSync();
}

void SyncSection::forceFullSync()
{
    const QString text =
        tr("This will re-upload every local row to the server and re-download all server data. "
           "Use this if data appears out of sync between devices.\n\nContinue?");
    if (!m_question(this, tr("Force Full Sync"), text)) {
        return;
    }
    m_state->syncEngine()->forceFullSync();
    waitForSync();
}

void SyncSection::waitForSync()
{
    SyncEngine *engine = m_state->syncEngine();
    if (engine->state() != SyncEngine::Syncing) {
        // Nothing started (signed out meanwhile): nothing to wait for.
        showStatus();
        return;
    }
    m_syncNow->setEnabled(false);
    m_fullSync->setEnabled(false);
    m_syncNow->setText(tr("Syncing..."));
    disconnect(m_waiting);
    m_waiting = connect(engine, &SyncEngine::stateChanged, this, [this](SyncEngine::SyncState s) {
        if (s != SyncEngine::Syncing) {
            finishWaiting();
        }
    });
}

void SyncSection::finishWaiting()
{
    disconnect(m_waiting);
    m_waiting = QMetaObject::Connection();
    m_syncNow->setText(tr("Sync Now"));
    showStatus();
}
