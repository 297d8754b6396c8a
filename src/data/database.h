#pragma once

#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>

#include <functional>
#include <memory>

class QSqlQuery;

// The SQLite connection of the process (Qt's default connection), with its schema migrations.
// Work that only reads and can run beside the user (the reports) may open extra read-only
// connections to the same file under names of their own, each used by one thread.
class Database final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Database)

public:
    explicit Database(QObject *parent = nullptr);
    Database(const QString &connectionName, QObject *parent);
    ~Database() override;

    bool open(const QString &path);
    // A read-only connection to a database that another connection has created and migrated.
    bool openReadOnly(const QString &path);
    // The file behind the connection; empty or ":memory:" when there is none another connection
    // could open.
    QString path() const { return m_db.databaseName(); }
    bool runMigrations();
    QSqlDatabase database() const { return m_db; }
    bool isOpen() const { return m_open; }
    // Why open() or runMigrations() failed, in words for the user; empty when neither did.
    QString errorText() const { return m_errorText; }

    // The last statement that failed on this connection since the last top-level transaction
    // began (kept by SqlRunner and inTransaction), for telling the user why a write failed.
    QSqlError lastFailure() const { return m_lastFailure; }
    void noteFailure(const QSqlError &error) { m_lastFailure = error; }
    // A read that failed or broke off part-way (a damaged page, say): what its caller got is
    // incomplete. Kept until cleared, logged, and announced by readFailed().
    QSqlError readFailure() const { return m_readFailure; }
    void noteReadFailure(const QSqlError &error);
    void clearReadFailure() { m_readFailure = QSqlError(); }

    // Errors after which nothing more should be written in this transaction: a full disk, an I/O
    // error, a read-only or damaged file, a lock held too long.
    static bool isFatal(const QSqlError &error);
    // The error in words for the user when it is one of those ("The disk is full"), else
    // `fallback`.
    static QString describe(const QSqlError &error, const QString &fallback);

    // How long a write waits for another process's write lock before it fails.
    static constexpr int kBusyTimeoutMs = 30000;

    // Runs `body` as one database transaction: commits when it returns true; rolls back, logs
    // and returns false when it returns false or the commit fails. A call made while another is
    // running joins it, and a failed inner call makes the outer one roll back whatever its body
    // returns. The transaction starts IMMEDIATE: the write lock is taken before the body reads,
    // so nothing another process writes can slip in between what it reads and what it writes.
    bool inTransaction(const std::function<bool()> &body);
    bool isInTransaction() const { return m_transactionDepth > 0; }

    // A forward-only query prepared once per statement text and kept for reuse: imports and
    // restores run the same few statements hundreds of thousands of times. The caller binds
    // every placeholder, and finishes a SELECT once it has read what it needs. A statement that
    // does not prepare is returned uncached, with its error, and `ok` false.
    std::shared_ptr<QSqlQuery> prepared(const QString &sql, bool *ok);

    // SQLite's page cache: modest for everyday reading, large while bulk writes (imports,
    // restores) touch pages all over the indexes. Pages are cached only as they are read.
    static constexpr int kDefaultCacheKiB = 8 * 1024;
    static constexpr int kBulkCacheKiB = 64 * 1024;
    static void setCacheSize(const QSqlDatabase &db, int kib);

    // Cuts a migration script into statements, keeping trigger bodies whole.
    static QStringList splitStatements(const QString &sql);

signals:
    // A write transaction found another process holding the write lock and now waits for it
    // (up to kBusyTimeoutMs).
    void waitingForLock();
    void readFailed(const QString &message);
    void migrationApplied(int version, const QString &name);
    void migrationError(int version, const QString &error);

private:
    bool applyMigration(int version, const QString &name, const QString &sql);
    bool refuseForeignFile();
    bool beginImmediate(QSqlQuery &begin);
    int currentVersion();

    QString m_connectionName;
    QSqlDatabase m_db;
    bool m_open = false;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_statements;
    QString m_errorText;
    QSqlError m_lastFailure;
    QSqlError m_readFailure;
    int m_transactionDepth = 0;
    bool m_transactionFailed = false;
};
