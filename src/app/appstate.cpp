#include "appstate.h"

#include "account/accountclient.h"
#include "account/accountsharingservice.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/clientconfig.h"
#include "account/syncengine.h"
#include "account/tokenstore.h"
#include "app/datadirectory.h"
#include "app/weekstart.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/importservice.h"
#include "services/reconciliationservice.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "services/settingsservice.h"
#include "services/transactionservice.h"

#include <QLoggingCategory>
#include <QUrl>

#include <memory>

Q_LOGGING_CATEGORY(lcApp, "ledgerwell.app")

namespace {

const QString kLastViewedAccount = QStringLiteral("lastViewedAccountId");
constexpr int kAutoSyncIntervalMs = 300000;

} // namespace

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
    createRepositories();
    createServices();
    createCloudClient();
    createSyncEngine();
    m_sharingService = new VarnAccount::AccountSharingService(m_cloudClient->syncApi(), this);
    if (const auto day = m_preferencesRepository->get(QStringLiteral("weekStartDay"))) {
        WeekStart::setFromPreference(*day);
    }
    // Seeding runs before the repositories' change signals reach the sync engine.
    m_categoryService->seedDefaults();
    connectSyncTriggers();
    startCloudSession();
    applyStoredPreferences();
    emit databaseReady();
    return true;
}

void AppState::createRepositories()
{
    m_accountRepository = new AccountRepository(m_database, this);
    m_transactionRepository = new TransactionRepository(m_database, this);
    m_categoryRepository = new CategoryRepository(m_database, this);
    m_preferencesRepository = new PreferencesRepository(m_database, this);
    m_splitLineRepository = new SplitLineRepository(m_database, this);
    m_recurringRepository = new RecurringRepository(m_database, this);
    m_reconciliationRepository = new ReconciliationRepository(m_database, this);
}

void AppState::createServices()
{
    m_transactionService =
        new TransactionService(m_database, m_transactionRepository, m_accountRepository, this);
    m_accountService = new AccountService(m_database, m_accountRepository, m_transactionRepository,
                                          m_recurringRepository, m_reconciliationRepository, this);
    m_reconciliationService = new ReconciliationService(m_database, m_transactionRepository,
                                                        m_reconciliationRepository, this);
    m_categoryService = new CategoryService(m_database, m_categoryRepository, this);
    m_recurringService = new RecurringService(m_database, m_recurringRepository,
                                              m_transactionRepository, m_accountRepository, this);
    m_reportService = new ReportService(m_database, this);
    m_importService = new ImportService(m_database, m_transactionRepository, m_categoryRepository,
                                        m_splitLineRepository, this);
    m_backupService = new BackupService(m_database, this);
    m_settingsService = new SettingsService(m_preferencesRepository, this);
    // Split lines naming a transfer account go under the "Transfers" category, and amounts are
    // read in the currency of the account they land in.
    m_importService->setCategoryService(m_categoryService);
    m_importService->setAccounts(m_accountRepository);
}

void AppState::createCloudClient()
{
    const VarnAccount::ClientConfig config = VarnAccount::ClientConfig::fromEnvironment();
    m_cloudClient = new VarnAccount::Client(config, nullptr, this);
    m_cloudClient->syncApi()->setBaseUrl(QUrl(config.syncApiUrl));
}

// Sync runs only while an access token is stored: signed out, a cycle asked for by a timer or
// a change ends at once without a request.
void AppState::createSyncEngine()
{
    m_syncEngine =
        new SyncEngine(m_cloudClient->syncApi(),
                       SyncRepositories{m_database, m_accountRepository, m_transactionRepository,
                                        m_categoryRepository, m_recurringRepository,
                                        m_reconciliationRepository, m_preferencesRepository},
                       this);
    VarnAccount::Client *client = m_cloudClient;
    m_syncEngine->setSyncAllowedCheck([client] { return client->isSyncAllowed(); });
    connect(this, &AppState::syncShouldStart, m_syncEngine, [this] {
        m_syncEngine->startAutoSync(kAutoSyncIntervalMs);
        m_syncEngine->scheduleSync();
    });
    connect(this, &AppState::syncShouldStop, m_syncEngine, &SyncEngine::stopAutoSync);
}

// Edits of accounts, transactions and categories are sent two seconds after the last of a
// burst. Recurring entries and reconciliations wait for the next periodic cycle (a posted
// entry's transactions trigger one anyway).
void AppState::connectSyncTriggers()
{
    connect(m_accountRepository, &AccountRepository::accountsChanged, m_syncEngine,
            &SyncEngine::scheduleSync);
    connect(m_transactionRepository, &TransactionRepository::transactionsChanged, m_syncEngine,
            &SyncEngine::scheduleSync);
    connect(m_categoryRepository, &CategoryRepository::categoriesChanged, m_syncEngine,
            &SyncEngine::scheduleSync);
}

// Restores a stored sign-in and follows the session from then on. Nothing here waits for the
// network, and nothing is sent while no sign-in is stored.
void AppState::startCloudSession()
{
    using VarnAccount::AuthClient;
    AuthClient *auth = m_cloudClient->authClient();
    m_cloudClient->initialize();
    connect(auth, &AuthClient::loginSucceeded, this, [this] {
        // The reply is not needed: a device the server already knows is simply seen again.
        m_cloudClient->accountClient()->registerDevice();
        qCInfo(lcApp) << "loginSucceeded: starting auto-sync + immediate sync";
        emit syncShouldStart();
    });
    connect(auth, &AuthClient::logoutCompleted, this, &AppState::syncShouldStop);
    if (m_cloudClient->isAuthenticated()) {
        auth->refreshToken([this](bool ok) { onStartupRefresh(ok); });
    } else if (auth->state() == VarnAccount::AuthState::Uninitialized) {
        // The stored access token had run out, so initialize() is refreshing it already; that
        // answer is the start-up refresh. Access tokens last minutes, so this is the usual start
        // of a signed-in user, who would otherwise not sync until the next sign-in.
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = connect(auth, &AuthClient::stateChanged, this,
                        [this, once](VarnAccount::AuthState state) {
                            QObject::disconnect(*once);
                            onStartupRefresh(state == VarnAccount::AuthState::Authenticated);
                        });
    }
}

void AppState::onStartupRefresh(bool ok)
{
    qCInfo(lcApp) << "Startup token refresh:" << (ok ? "ok" : "failed");
    if (ok) {
        qCInfo(lcApp) << "Startup: starting auto-sync + immediate sync";
        emit syncShouldStart();
    }
}

void AppState::applyStoredPreferences()
{
    // Restored silently: nothing is shown yet that could follow the signal.
    if (const auto last = m_preferencesRepository->get(kLastViewedAccount)) {
        m_currentAccountId = *last;
    }
}

void AppState::setCurrentAccountId(const QString &id)
{
    if (id == m_currentAccountId) {
        return;
    }
    m_currentAccountId = id;
    if (m_preferencesRepository) {
        m_preferencesRepository->set(kLastViewedAccount, id);
    }
    emit currentAccountChanged(id);
}
