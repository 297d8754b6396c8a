#include "serverprocess.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QUuid>

QString ServerProcess::postgresUrl()
{
    return qEnvironmentVariable("LEDGERWELL_TEST_POSTGRES_URL");
}

QString ServerProcess::executable()
{
    return QStringLiteral(LEDGERWELL_SERVER);
}

ServerProcess::ServerProcess(const QString &postgresServerUrl)
    : m_serverUrl(postgresServerUrl)
{
}

ServerProcess::~ServerProcess()
{
    stop();
    if (!m_databaseName.isEmpty()) {
        const QString connection = QStringLiteral("drop-") + m_databaseName;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
            const QUrl url(m_serverUrl);
            db.setHostName(url.host());
            db.setPort(url.port(5432));
            db.setUserName(url.userName());
            db.setDatabaseName(QStringLiteral("postgres"));
            if (db.open()) {
                QSqlQuery(db).exec(QStringLiteral("DROP DATABASE IF EXISTS ") + m_databaseName);
            }
        }
        QSqlDatabase::removeDatabase(connection);
    }
}

bool ServerProcess::createDatabase()
{
    m_databaseName = QStringLiteral("lw_") + QUuid::createUuid().toString(QUuid::Id128).left(16);
    const QString connection = QStringLiteral("create-") + m_databaseName;
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        const QUrl url(m_serverUrl);
        db.setHostName(url.host());
        db.setPort(url.port(5432));
        db.setUserName(url.userName());
        db.setDatabaseName(QStringLiteral("postgres"));
        ok = db.open() && QSqlQuery(db).exec(QStringLiteral("CREATE DATABASE ") + m_databaseName);
        if (!ok) {
            qWarning("cannot create the test database: %s", qPrintable(db.lastError().text()));
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

QStringList ServerProcess::storageArguments() const
{
    QStringList arguments{QStringLiteral("--data"), m_dir.path()};
    if (!m_databaseName.isEmpty()) {
        QUrl url(m_serverUrl);
        url.setPath(QLatin1Char('/') + m_databaseName);
        arguments << QStringLiteral("--database") << url.toString();
    }
    return arguments;
}

bool ServerProcess::start()
{
    if (!m_serverUrl.isEmpty() && m_databaseName.isEmpty() && !createDatabase()) {
        return false;
    }
    m_process = std::make_unique<QProcess>();
    m_process->start(executable(), storageArguments()
                                       << QStringLiteral("--listen")
                                       << QStringLiteral("127.0.0.1:0") << m_extraArguments);
    QByteArray out;
    QDeadlineTimer deadline(20000);
    while (!out.contains('\n') && !deadline.hasExpired()) {
        if (!m_process->waitForReadyRead(int(deadline.remainingTime()))) {
            break;
        }
        out += m_process->readAllStandardOutput();
    }
    const int colon = out.lastIndexOf(':');
    m_port = out.startsWith("Listening on http://127.0.0.1:")
                 ? quint16(out.mid(colon + 1).trimmed().toUInt())
                 : 0;
    if (m_port == 0) {
        qWarning("ledgerwell-server did not start: %s %s", out.constData(),
                 m_process->readAllStandardError().constData());
    }
    return m_port != 0;
}

void ServerProcess::stop()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(5000)) {
            m_process->kill();
            m_process->waitForFinished(5000);
        }
    }
    if (m_process) {
        m_log += m_process->readAllStandardError();
    }
    m_process.reset();
}

QByteArray ServerProcess::log()
{
    if (m_process) {
        // The server writes its log line before it answers; give the pipe a moment.
        QEventLoop loop;
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
        loop.exec();
        m_log += m_process->readAllStandardError();
    }
    return m_log;
}

bool ServerProcess::addUser(const QString &email, const QString &password, const QString &name)
{
    QStringList arguments{QStringLiteral("user"), QStringLiteral("add"), email};
    if (!name.isEmpty()) {
        arguments << QStringLiteral("--name") << name;
    }
    return runCommand(arguments, password.toUtf8() + '\n') == 0;
}

int ServerProcess::runCommand(const QStringList &arguments, const QByteArray &input,
                              QByteArray *out, QByteArray *err) const
{
    if (!m_serverUrl.isEmpty() && m_databaseName.isEmpty()) {
        const_cast<ServerProcess *>(this)->createDatabase();
    }
    QProcess process;
    process.start(executable(), storageArguments() + arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000)) {
        process.kill();
        return -1;
    }
    if (out) {
        *out = process.readAllStandardOutput();
    }
    if (err) {
        *err = process.readAllStandardError();
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QUrl ServerProcess::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port));
}
