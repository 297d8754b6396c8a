#include "appstate.h"

#include "app/datadirectory.h"
#include "data/database.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcApp, "ledgerwell.app")

AppState::AppState(QObject *parent)
    : QObject(parent)
{
}

AppState::~AppState() = default;

bool AppState::initialize()
{
    m_database = new Database(this);
    const QString path = databasePath();
    qCInfo(lcApp) << "Opening database at:" << path;
    if (!m_database->open(path) || !m_database->runMigrations()) {
        return false;
    }
    emit databaseReady();
    return true;
}

void AppState::setCurrentAccountId(const QString &id)
{
    if (id == m_currentAccountId) {
        return;
    }
    m_currentAccountId = id;
    emit currentAccountChanged(id);
}
