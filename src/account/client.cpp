#include "account/client.h"

#include "account/accountclient.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/tokenmanager.h"
#include "account/tokenstore.h"
#include "app/datadirectory.h"

#include <QDir>
#include <QSysInfo>

#ifndef Q_OS_WIN
#include "account/filetokenstore.h"
#endif

namespace VarnAccount {

namespace {

std::unique_ptr<TokenStore> defaultStore(const QString &appId)
{
    const QString dir = dataDirectory();
#ifndef Q_OS_WIN
    // A register kept in a folder named by LEDGERWELL_DATA_DIR keeps its sign-in beside it. The
    // keyring holds one entry per user: two registers sharing it would push one's rows into the
    // other's cloud account, and a test's folder would come up signed in as the desktop's user.
    if (!qEnvironmentVariableIsEmpty("LEDGERWELL_DATA_DIR")) {
        return std::make_unique<FileTokenStore>(QDir(dir).filePath(QStringLiteral("tokens.json")));
    }
#endif
    return TokenStore::createDefault(appId, dir);
}

} // namespace

QString Client::platformFromKernel(const QString &kernelType)
{
    const QString kernel = kernelType.toLower();
    if (kernel == QLatin1String("darwin")) {
        return QStringLiteral("macos");
    }
    if (kernel == QLatin1String("winnt")) {
        return QStringLiteral("windows");
    }
    return kernel;
}

Client::Client(const ClientConfig &config, std::unique_ptr<TokenStore> store, QObject *parent)
    : QObject(parent)
    , m_config(config)
{
    if (m_config.platform.isEmpty()) {
        m_config.platform = platformFromKernel(QSysInfo::kernelType());
    }
    if (!store) {
        store = defaultStore(m_config.appId);
    }
    m_tokens = new TokenManager(std::move(store), this);
    m_authApi = new ApiClient(m_tokens, this);
    m_authApi->setBaseUrl(
        QUrl(QStringLiteral("%1/api/v1/realms/%2").arg(m_config.authBaseUrl, m_config.realmSlug)));
    m_accountApi = new ApiClient(m_tokens, this);
    m_accountApi->setBaseUrl(QUrl(m_config.accountApiUrl));
    m_syncApi = new ApiClient(m_tokens, this);
    for (ApiClient *api : {m_authApi, m_accountApi, m_syncApi}) {
        api->setAppInfo(m_config.appId, m_config.appVersion, m_config.platform);
    }
    m_auth = new AuthClient(m_config.authBaseUrl, m_config.realmSlug, m_config.clientId, m_authApi,
                            m_tokens, this);
    connect(m_auth, &AuthClient::stateChanged, this, &Client::authStateChanged);
    m_account = new AccountClient(m_accountApi, m_auth, m_config, this);
}

Client::~Client() = default;

void Client::initialize()
{
    m_auth->initialize();
}

bool Client::isAuthenticated() const
{
    return m_auth->isAuthenticated();
}

bool Client::isSyncAllowed() const
{
    return !m_tokens->accessToken().isEmpty();
}

} // namespace VarnAccount
