#include "syncindicator.h"

#include "account/client.h"
#include "account/syncengine.h"
#include "app/appstate.h"
#include "statusbar.h"

#include <numeric>

SyncIndicator::SyncIndicator(AppState *state, StatusBar *statusBar, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_statusBar(statusBar)
{
    SyncEngine *engine = m_state->syncEngine();
    connect(engine, &SyncEngine::stateChanged, this, &SyncIndicator::showState);
    connect(engine, &SyncEngine::syncCompleted, this,
            [this] { m_statusBar->showTransient(tr("Sync complete"), 2000); });
    connect(engine, &SyncEngine::syncFailed, this, [this](const QString &error) {
        m_statusBar->showTransient(tr("Sync failed: %1").arg(error), 5000);
    });
    connect(engine, &SyncEngine::dataChanged, this, &SyncIndicator::onDataChanged);
}

QString SyncIndicator::stateText() const
{
    if (!m_state->cloudClient()->isAuthenticated()) {
        return tr("Not signed in");
    }
    return SyncEngine::stateText(m_state->syncEngine()->state());
}

void SyncIndicator::showState()
{
    m_statusBar->setSyncState(stateText());
}

void SyncIndicator::onDataChanged()
{
    // Every cycle ends with dataChanged; one that wrote nothing here leaves the views alone, so
    // that a cycle started by the user's own edit does not reload the register under them.
    const QMap<QString, int> &pulled = m_state->syncEngine()->counts().pulled;
    const int rows = std::accumulate(pulled.cbegin(), pulled.cend(), 0);
    if (rows > 0 || m_state->currentAccountId().isEmpty()) {
        emit reloadRequested();
    }
}
