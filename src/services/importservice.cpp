#include "importservice.h"

#include "categoryservice.h"
#include "csvamount.h"
#include "csvstream.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datetimes.h"
#include "data/deferredsearchindex.h"
#include "data/identifiers.h"
#include "data/money.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "duplicateindex.h"
#include "qiflineparser.h"
#include "qifparser.h"
#include "textdecoder.h"
#include "textfilereader.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QSqlDatabase>

#include <memory>
#include <utility>

Q_LOGGING_CATEGORY(lcImport, "ledgerwell.import")

namespace {

constexpr int kProgressStep = 100;

// Hands the file's lines to the handler one at a time; a line too long to keep is replaced by a
// marker that makes its record unparseable, so that one giant line cannot take all the memory.
// False when the handler asked to stop.
bool forEachLine(TextFileReader &reader, const std::function<bool(const QString &)> &handler)
{
    QString line;
    bool dropping = false;
    for (QString piece = reader.read(); !piece.isEmpty(); piece = reader.read()) {
        for (const QChar c : std::as_const(piece)) {
            if (c == u'\n' || c == u'\r') {
                if (!line.isEmpty() && !handler(line)) {
                    return false;
                }
                line.clear();
                dropping = false;
            } else if (dropping) {
                continue;
            } else if (line.size() >= CsvStream::kMaxRecordChars) {
                line = QString(QChar(QifParser::kOverlongLine));
                dropping = true;
            } else {
                line.append(c);
            }
        }
    }
    return line.isEmpty() || handler(line);
}

// A QIF file is read twice so that it never has to be held whole: this first pass learns how its
// dates read (one day-first date decides the whole file) and collects its categories and account
// names and counts its transaction records, keeping none of them; the reader is left at the
// start for the second pass.
std::optional<QifParseResult> outlineQif(TextFileReader &reader, int *records = nullptr)
{
    QifParseResult outline;
    bool dayFirst = false;
    int readable = 0;
    QifLineParser parser(outline, QifDateOrder::MonthFirst, [&readable](const QifTransaction &) {
        ++readable;
        return true;
    });
    forEachLine(reader, [&](const QString &line) {
        dayFirst = dayFirst || QifParser::isDayFirstLine(line);
        return parser.addLine(line);
    });
    parser.end();
    outline.dateOrder = dayFirst ? QifDateOrder::DayFirst : QifDateOrder::MonthFirst;
    if (records) {
        *records = readable + outline.unparseable;
    }
    return reader.rewind() ? std::optional<QifParseResult>(std::move(outline)) : std::nullopt;
}

// The second pass: every transaction record read with the outline's date order goes to the
// sink; the unparseable and skipped records are counted in `counts`.
bool readQifTransactions(TextFileReader &reader, QifDateOrder order, QifParseResult &counts,
                         const QifLineParser::TransactionSink &sink)
{
    QifLineParser parser(counts, order, sink);
    return forEachLine(reader, [&parser](const QString &line) { return parser.addLine(line); }) &&
           parser.end();
}

// A transfer to another account is not linked on import; the memo keeps its name instead.
QString withTransferTag(const QString &memo, const QString &transferAccount)
{
    if (transferAccount.isEmpty()) {
        return memo;
    }
    const QString tag = QStringLiteral("[\u2192 %1]").arg(transferAccount);
    return memo.isEmpty() ? tag : QStringLiteral("%1 %2").arg(tag, memo);
}

// QIF amounts are read as hundredths; an account without cents counts whole units.
qint64 inCurrency(qint64 hundredths, bool cents)
{
    return cents ? hundredths : qRound64(double(hundredths) / 100.0);
}

// A record whose amount or a split's amount is beyond what the program stores is not imported.
bool isStorable(const QifTransaction &qif, bool cents)
{
    bool storable = isStorableAmount(inCurrency(qif.amount, cents));
    for (const QifSplit &split : qif.splits) {
        storable = storable && isStorableAmount(inCurrency(split.amount, cents));
    }
    return storable;
}

} // namespace

// The state of one import: categories by name, known keys per account, the open transaction.
class ImportService::Run
{
public:
    explicit Run(ImportService *service)
        : m_service(service)
        , m_searchIndex(QSqlDatabase::database())
    {
        for (const Category &c : service->m_categories->findAll()) {
            m_categoryIds.insert(c.name, c.id);
        }
    }

    // Inside the import's database transaction: set the text index's trigger aside.
    void begin(int total)
    {
        m_total = total;
        emit m_service->importStarted(total);
        m_searchIndex.begin();
    }

    // Indexes the new rows and puts the trigger back; false when that failed.
    bool finish()
    {
        emit m_service->importProgress(m_total, m_total);
        if (!m_searchIndex.finish()) {
            m_service->m_database->noteFailure(m_searchIndex.lastError());
            return false;
        }
        return true;
    }

    // A write that failed: the import stops and rolls back.
    bool failed() const { return m_failed; }
    bool fail()
    {
        m_failed = true;
        return false;
    }

    // Called after each record, counted from 1; lets a progress dialog repaint.
    void progress(int record)
    {
        if (record % kProgressStep == 0) {
            emit m_service->importProgress(record, m_total);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
        }
    }

    // Finds a category by exact name, creating an expense (or income) category when missing.
    QString categoryId(const QString &name, bool income = false)
    {
        if (name.isEmpty()) {
            return {};
        }
        const auto found = m_categoryIds.constFind(name);
        if (found != m_categoryIds.constEnd()) {
            return *found;
        }
        Category category;
        category.id = Identifiers::newId();
        category.name = name;
        category.type = income ? CategoryType::Income : CategoryType::Expense;
        category.createdAt = DateTimes::nowUtc();
        category.updatedAt = category.createdAt;
        if (!m_service->m_categories->insert(category)) {
            fail();
            return {};
        }
        m_categoryIds.insert(name, category.id);
        return category.id;
    }

    // The category of a split line: a line naming a transfer account ("S[Savings]") has no
    // category of its own and goes under "Transfers", so the lines still add up to the amount.
    QString splitCategoryId(const QifSplit &split)
    {
        if (!split.category.isEmpty() || split.transferAccount.isEmpty()) {
            return categoryId(split.category);
        }
        if (m_transfersId.isEmpty() && m_service->m_categoryService) {
            const auto transfers = m_service->m_categoryService->transfersCategory();
            m_transfersId = transfers ? transfers->id : QString();
        }
        return m_transfersId;
    }

    // Whether the account counts cents; yen do not.
    bool hasCents(const QString &accountId)
    {
        auto it = m_hasCents.find(accountId);
        if (it == m_hasCents.end()) {
            const auto account =
                m_service->m_accounts ? m_service->m_accounts->findById(accountId) : std::nullopt;
            it = m_hasCents.insert(accountId, !account || currencyHasCents(account->currency));
        }
        return *it;
    }

    bool knowsCategory(const QString &name) const { return m_categoryIds.contains(name); }

    // The account's duplicate keys, read on first use; nullptr (and the run failed) when they
    // could not be read.
    DuplicateIndex *keysFor(const QString &accountId)
    {
        auto it = m_keys.find(accountId);
        if (it == m_keys.end()) {
            auto keys = std::make_shared<DuplicateIndex>(m_service->m_database, accountId);
            if (!keys->load()) {
                fail();
                return nullptr;
            }
            it = m_keys.insert(accountId, keys);
        }
        return it->get();
    }

    Transaction newTransaction(const QString &accountId, const QDate &date, const QString &payee,
                               qint64 amount) const
    {
        Transaction t;
        t.id = Identifiers::newId();
        t.accountId = accountId;
        t.date = date;
        // A record without a payee line still has a payee: the empty text (the column is NOT NULL).
        t.payee = payee.isNull() ? QStringLiteral("") : payee;
        t.amount = amount;
        t.createdAt = DateTimes::nowUtc();
        t.updatedAt = t.createdAt;
        return t;
    }

    ImportResult result;

private:
    ImportService *m_service;
    DeferredSearchIndex m_searchIndex;
    QHash<QString, QString> m_categoryIds;
    QString m_transfersId;
    QHash<QString, bool> m_hasCents;
    QHash<QString, std::shared_ptr<DuplicateIndex>> m_keys;
    int m_total = 0;
    bool m_failed = false;
};

ImportService::ImportService(Database *database, TransactionRepository *transactions,
                             CategoryRepository *categories, SplitLineRepository *splitLines,
                             QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_splitLines(splitLines)
{
}

QString ImportService::duplicateKey(const QDate &date, qint64 amount, const QString &payee)
{
    return DateTimes::dateToText(date) + QLatin1Char('|') + QString::number(amount) +
           QLatin1Char('|') + payee;
}

QifScan ImportService::scanQifAccounts(const QString &path, int previewLimit) const
{
    TextFileReader reader(path);
    if (!reader.open()) {
        qCWarning(lcImport) << "Cannot open import file" << path << reader.errorString();
        return {};
    }
    const std::optional<QifParseResult> outline = outlineQif(reader);
    if (!outline) {
        return {};
    }
    QifScan scan{outline->accounts, 0, {}};
    QifParseResult counts;
    readQifTransactions(reader, outline->dateOrder, counts, [&](const QifTransaction &qif) {
        if (scan.transactions++ < previewLimit) {
            scan.preview.append(qif);
        }
        return true;
    });
    return scan;
}

ImportResult ImportService::importQif(const QString &path,
                                      const QHash<QString, QString> &accountMapping,
                                      const QString &defaultAccountId)
{
    TextFileReader reader(path);
    if (!reader.open()) {
        qCWarning(lcImport) << "Cannot open import file" << path << reader.errorString();
        return {};
    }
    int records = 0;
    const std::optional<QifParseResult> outline = outlineQif(reader, &records);
    if (!outline) {
        return {};
    }
    Run run(this);
    return write(run, records, [&] {
        for (const QifCategory &category : outline->categories) {
            if (!category.name.isEmpty() && !run.knowsCategory(category.name)) {
                run.categoryId(category.name, category.isIncome);
            }
        }
        int record = 0;
        QifParseResult counts;
        const bool read =
            readQifTransactions(reader, outline->dateOrder, counts, [&](const QifTransaction &qif) {
                if (!importQifRecord(run, qif, accountMapping, defaultAccountId)) {
                    return false;
                }
                run.progress(++record);
                return true;
            });
        run.result.unparseable = counts.unparseable;
        run.result.metadataSkipped = counts.metadataSkipped;
        return read && !run.failed();
    });
}

bool ImportService::importQifRecord(Run &run, const QifTransaction &qif,
                                    const QHash<QString, QString> &accountMapping,
                                    const QString &defaultAccountId)
{
    const QString target = !qif.account.isEmpty() && accountMapping.contains(qif.account)
                               ? accountMapping.value(qif.account)
                               : defaultAccountId;
    if (target.isEmpty()) {
        ++run.result.unmappedSkipped;
        return true;
    }
    DuplicateIndex *keys = run.keysFor(target);
    if (!keys) {
        return false;
    }
    const bool cents = run.hasCents(target);
    const qint64 amount = inCurrency(qif.amount, cents);
    if (!isStorable(qif, cents)) {
        ++run.result.unparseable;
        return true;
    }
    if (keys->contains(qif.date, amount, qif.payee)) {
        ++run.result.duplicates;
        return true;
    }
    Transaction t = run.newTransaction(target, qif.date, qif.payee, amount);
    t.memo = withTransferTag(qif.memo, qif.transferAccount);
    t.checkNumber = qif.number;
    t.cleared = qif.cleared;
    t.reconciled = qif.reconciled;
    t.isSplit = !qif.splits.isEmpty();
    t.categoryId = run.categoryId(qif.category);
    if (run.failed() || !m_transactions->insert(t)) {
        return false;
    }
    for (const QifSplit &split : qif.splits) {
        SplitLine line;
        line.id = Identifiers::newId();
        line.transactionId = t.id;
        line.categoryId = run.splitCategoryId(split);
        line.amount = inCurrency(split.amount, cents);
        line.memo = withTransferTag(split.memo, split.transferAccount);
        line.createdAt = t.createdAt;
        line.updatedAt = t.createdAt;
        if (run.failed() || !m_splitLines->insert(line)) {
            return false;
        }
    }
    ++run.result.imported;
    keys->insert(qif.date, amount, qif.payee);
    return true;
}

ImportResult ImportService::write(Run &run, int total, const std::function<bool()> &body)
{
    Database::setCacheSize(m_database->database(), Database::kBulkCacheKiB);
    // The duplicate keys are read inside the transaction, which holds the write lock from its
    // start: a second import of the same file waits, then finds every row already there.
    const bool ok = m_database->inTransaction([&] {
        run.begin(total);
        return body() && run.finish();
    });
    Database::setCacheSize(m_database->database(), Database::kDefaultCacheKiB);
    if (ok) {
        return run.result;
    }
    ImportResult failed;
    failed.error = Database::describe(m_database->lastFailure(),
                                      tr("The import failed; nothing was changed."));
    qCWarning(lcImport).noquote() << "Import rolled back:" << failed.error;
    return failed;
}

ImportResult ImportService::importCsv(const QString &path, const QString &accountId,
                                      const CsvColumnMapping &mapping)
{
    if (mapping.dateColumn < 0 || mapping.payeeColumn < 0 || mapping.amountColumn < 0) {
        qCWarning(lcImport) << "CSV import refused: a required column is not mapped";
        return {};
    }
    TextFileReader reader(path);
    if (!reader.open()) {
        qCWarning(lcImport) << "Cannot open import file" << path << reader.errorString();
        return {};
    }
    // A first pass counts the records, so that the progress knows its total before the first row.
    int records = 0;
    readCsv(reader, [&records](const QStringList &, bool) {
        ++records;
        return true;
    });
    const int first = mapping.hasHeader ? 1 : 0;
    Run run(this);
    return write(run, std::max(0, records - first), [&] {
        DuplicateIndex *keys = run.keysFor(accountId);
        if (!keys || !reader.rewind()) {
            return false;
        }
        int record = 0;
        bool header = mapping.hasHeader;
        return readCsv(reader, [&](const QStringList &row, bool overlong) {
            if (std::exchange(header, false)) {
                return true;
            }
            if (!importCsvRow(run, *keys, accountId, mapping, overlong ? QStringList() : row)) {
                return false;
            }
            run.progress(++record);
            return true;
        });
    });
}

QList<QStringList> ImportService::previewCsv(const QString &path, int limit)
{
    TextFileReader reader(path);
    QList<QStringList> rows;
    if (!reader.open()) {
        return rows;
    }
    readCsv(reader, [&rows, limit](const QStringList &fields, bool) {
        rows.append(fields);
        return rows.size() < limit;
    });
    return rows;
}

bool ImportService::readCsv(TextFileReader &reader,
                            const std::function<bool(const QStringList &, bool)> &handler)
{
    CsvStream stream(handler);
    for (QString piece = reader.read(); !piece.isEmpty(); piece = reader.read()) {
        if (!stream.feed(piece)) {
            return false;
        }
    }
    return stream.finish();
}

bool ImportService::importCsvRow(Run &run, DuplicateIndex &keys, const QString &accountId,
                                 const CsvColumnMapping &mapping, const QStringList &row)
{
    const int required =
        std::max({mapping.dateColumn, mapping.payeeColumn, mapping.amountColumn}) + 1;
    const QDate date = row.size() >= required
                           ? QDate::fromString(row[mapping.dateColumn], mapping.dateFormat)
                           : QDate();
    const std::optional<qint64> amount =
        date.isValid() ? CsvAmount::read(row, mapping) : std::nullopt;
    if (!amount) {
        ++run.result.unparseable;
        return true;
    }
    const QString &payee = row[mapping.payeeColumn];
    if (keys.contains(date, *amount, payee)) {
        ++run.result.duplicates;
        return true;
    }
    Transaction t = run.newTransaction(accountId, date, payee, *amount);
    if (mapping.memoColumn >= 0 && mapping.memoColumn < row.size()) {
        t.memo = row[mapping.memoColumn];
    }
    if (mapping.categoryColumn >= 0 && mapping.categoryColumn < row.size()) {
        t.categoryId = run.categoryId(row[mapping.categoryColumn]);
    }
    if (run.failed() || !m_transactions->insert(t)) {
        return false;
    }
    ++run.result.imported;
    keys.insert(date, *amount, payee);
    return true;
}
