#include "importfixture.h"

#include "support/records.h"

#include <QFile>

ImportFixture::ImportFixture(Currency currency)
    : m_testDatabase(std::make_unique<TestDatabase>())
{
    if (m_testDatabase->isReady()) {
        m_database = m_testDatabase->database();
        create(currency);
    }
}

ImportFixture::ImportFixture(const QString &directory)
    : m_ownDatabase(std::make_unique<Database>())
{
    if (m_ownDatabase->open(directory + QStringLiteral("/ledgerwell.db")) &&
        m_ownDatabase->runMigrations()) {
        m_database = m_ownDatabase.get();
        create(Currency::USD);
    }
}

ImportFixture::~ImportFixture()
{
    m_service.reset();
    m_accounts.reset();
    m_splits.reset();
    m_categories.reset();
    m_transactions.reset();
}

void ImportFixture::create(Currency currency)
{
    m_transactions = std::make_unique<TransactionRepository>(m_database);
    m_categories = std::make_unique<CategoryRepository>(m_database);
    m_splits = std::make_unique<SplitLineRepository>(m_database);
    m_accounts = std::make_unique<AccountRepository>(m_database);
    m_service = std::make_unique<ImportService>(m_database, m_transactions.get(),
                                                m_categories.get(), m_splits.get());
    m_service->setAccounts(m_accounts.get());
    m_account = Records::account(QStringLiteral("Checking"));
    m_account.currency = currency;
    m_ready = m_files.isValid() && m_accounts->insert(m_account);
}

CsvColumnMapping ImportFixture::mapping() const
{
    CsvColumnMapping mapping;
    mapping.currency = m_account.currency;
    return mapping;
}

QString ImportFixture::write(const QByteArray &content)
{
    QFile file(m_files.filePath(QStringLiteral("import-%1.txt").arg(++m_written)));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write a test file");
    }
    return file.fileName();
}

QStringList ImportFixture::rows() const
{
    QStringList rows;
    for (const Transaction &t : m_transactions->findByAccount(m_account.id)) {
        rows << QStringLiteral("%1|%2|%3")
                    .arg(DateTimes::dateToText(t.date))
                    .arg(t.amount)
                    .arg(t.payee);
    }
    rows.sort();
    return rows;
}
