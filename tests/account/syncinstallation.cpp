#include "syncinstallation.h"

#include "account/apiclient.h"
#include "account/filetokenstore.h"
#include "account/tokenmanager.h"

#include <QEventLoop>
#include <QSqlQuery>
#include <QTimer>

SyncInstallation::SyncInstallation(const QString &name, const VarnAccount::ClientConfig &config,
                                   const QString &folder)
    : m_path(folder.isEmpty() ? m_dir.path() : folder)
    , m_connection(QStringLiteral("install-") + name)
{
    m_database = std::make_unique<Database>(m_connection, nullptr);
    m_ready =
        m_database->open(m_path + QStringLiteral("/ledgerwell.db")) && m_database->runMigrations();
    Database *db = m_database.get();
    m_accounts = std::make_unique<AccountRepository>(db);
    m_transactions = std::make_unique<TransactionRepository>(db);
    m_categories = std::make_unique<CategoryRepository>(db);
    m_recurring = std::make_unique<RecurringRepository>(db);
    m_reconciliations = std::make_unique<ReconciliationRepository>(db);
    m_preferences = std::make_unique<PreferencesRepository>(db);
    m_accountService = std::make_unique<AccountService>(db, m_accounts.get(), m_transactions.get(),
                                                        m_recurring.get(), m_reconciliations.get());
    m_transactionService =
        std::make_unique<TransactionService>(db, m_transactions.get(), m_accounts.get());
    m_categoryService = std::make_unique<CategoryService>(db, m_categories.get());
    m_recurringService = std::make_unique<RecurringService>(db, m_recurring.get(),
                                                            m_transactions.get(), m_accounts.get());
    m_reconciliationService =
        std::make_unique<ReconciliationService>(db, m_transactions.get(), m_reconciliations.get());
    m_client = std::make_unique<VarnAccount::Client>(
        config,
        std::make_unique<VarnAccount::FileTokenStore>(m_path + QStringLiteral("/tokens.json")));
    m_client->syncApi()->setBaseUrl(QUrl(config.syncApiUrl));
    m_engine = std::make_unique<SyncEngine>(
        m_client->syncApi(),
        SyncRepositories{db, m_accounts.get(), m_transactions.get(), m_categories.get(),
                         m_recurring.get(), m_reconciliations.get(), m_preferences.get()});
}

SyncInstallation::~SyncInstallation()
{
    m_engine.reset();
    m_client.reset();
}

void SyncInstallation::signIn(const QString &accessToken, const QString &refreshToken)
{
    m_client->tokenManager()->setTokens(accessToken, refreshToken);
}

bool SyncInstallation::sync(int timeoutMs)
{
    QEventLoop loop;
    bool completed = false;
    QObject::connect(m_engine.get(), &SyncEngine::syncCompleted, &loop, [&] {
        completed = true;
        loop.quit();
    });
    QObject::connect(m_engine.get(), &SyncEngine::syncFailed, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    m_engine->syncNow();
    if (m_engine->state() == SyncEngine::Syncing) {
        loop.exec();
    }
    return completed;
}

QVariant SyncInstallation::scalar(const QString &sql, const QVariantList &values) const
{
    QSqlQuery query(m_database->database());
    query.prepare(sql);
    for (const QVariant &value : values) {
        query.addBindValue(value);
    }
    if (!query.exec() || !query.next()) {
        return QVariant();
    }
    return query.value(0);
}
