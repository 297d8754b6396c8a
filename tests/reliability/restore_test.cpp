#include "data/categoryrepository.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/zipwriter.h"
#include "support/records.h"
#include "support/testdatabase.h"
#include "support/testrunner.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QThread>

using Mode = BackupService::ImportMode;

// Restores that must not lose the user's own values: default categories the user renamed
// before the backup, and rows whose amounts no sum could hold.
class RestoreTest : public QObject
{
    Q_OBJECT

private slots:
    void untouchedDefaultYieldsToTheBackup_data();
    void untouchedDefaultYieldsToTheBackup();
    void giantAmountsAreRefused_data();
    void giantAmountsAreRefused();

private:
    static QString firstDefaultId(Database *database);
    static void rename(Database *database, const QString &id, const QString &name);
};

QString RestoreTest::firstDefaultId(Database *database)
{
    QSqlQuery query(database->database());
    query.exec("SELECT id FROM categories WHERE is_default = 1 ORDER BY id LIMIT 1");
    return query.next() ? query.value(0).toString() : QString();
}

void RestoreTest::rename(Database *database, const QString &id, const QString &name)
{
    CategoryRepository categories(database);
    CategoryService service(database, &categories);
    std::optional<Category> category = categories.findById(id);
    QVERIFY(category);
    // Timestamps count whole seconds: the edit must fall in a later second than the seeding.
    QThread::msleep(1100);
    category->name = name;
    QVERIFY(service.edit(*category));
}

void RestoreTest::untouchedDefaultYieldsToTheBackup_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("editedHere");
    QTest::addColumn<QString>("name");
    QTest::newRow("skip, fresh install") << int(Mode::SkipExisting) << false << "From backup";
    QTest::newRow("newer, fresh install") << int(Mode::KeepNewer) << false << "From backup";
    QTest::newRow("skip, edited here too") << int(Mode::SkipExisting) << true << "Edited here";
    QTest::newRow("overwrite, edited here too") << int(Mode::Overwrite) << true << "From backup";
}

void RestoreTest::untouchedDefaultYieldsToTheBackup()
{
    QFETCH(int, mode);
    QFETCH(bool, editedHere);
    QFETCH(QString, name);
    TestDatabase source;
    QVERIFY(source.isReady());
    CategoryRepository sourceCategories(source.database());
    CategoryService(source.database(), &sourceCategories).seedDefaults();
    const QString id = firstDefaultId(source.database());
    QVERIFY(!id.isEmpty());
    rename(source.database(), id, "From backup");
    const QByteArray archive = BackupService(source.database()).exportBackup();
    QVERIFY(!archive.isEmpty());

    // A fresh install seeds the same defaults, later than the user's edit in the backup.
    QThread::msleep(1100);
    TestDatabase target;
    QVERIFY(target.isReady());
    CategoryRepository targetCategories(target.database());
    CategoryService(target.database(), &targetCategories).seedDefaults();
    QCOMPARE(firstDefaultId(target.database()), id);
    if (editedHere) {
        rename(target.database(), id, "Edited here");
    }
    const auto result = BackupService(target.database()).importBackup(archive, Mode(mode));
    QVERIFY2(!result.rolledBack, qPrintable(result.errors.join('\n')));
    QCOMPARE(targetCategories.findById(id)->name, name);
}

void RestoreTest::giantAmountsAreRefused_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("stored");
    QTest::newRow("largest allowed") << qint64(1'000'000'000'000'000) << true;
    QTest::newRow("largest allowed, negative") << qint64(-1'000'000'000'000'000) << true;
    QTest::newRow("one beyond") << qint64(1'000'000'000'000'001) << false;
    QTest::newRow("card number") << qint64(4'111'111'111'111'111) << false;
}

void RestoreTest::giantAmountsAreRefused()
{
    QFETCH(qint64, amount);
    QFETCH(bool, stored);
    TestDatabase db;
    QVERIFY(db.isReady());
    const Account account = Records::account("Checking");
    QJsonObject accountJson{{"id", account.id},
                            {"name", account.name},
                            {"created_at", DateTimes::nowText()},
                            {"updated_at", DateTimes::nowText()}};
    const Transaction t = Records::transaction(account.id, QDate(2026, 1, 2), amount, "Big");
    const QJsonObject transaction{{"id", t.id},
                                  {"account_id", account.id},
                                  {"date", "2026-01-02"},
                                  {"payee", "Big"},
                                  {"amount", amount},
                                  {"created_at", DateTimes::nowText()},
                                  {"updated_at", DateTimes::nowText()}};
    ZipWriter zip;
    zip.addFile("accounts/" + account.id + ".json", QJsonDocument(accountJson).toJson());
    zip.addFile("transactions/" + t.id + ".json", QJsonDocument(transaction).toJson());
    zip.addFile("manifest.json", QJsonDocument(QJsonObject{{"version", 1}}).toJson());
    const auto result = BackupService(db.database()).importBackup(zip.finish(), Mode::Overwrite);
    QCOMPARE(result.transactions.imported, stored ? 1 : 0);
    QCOMPARE(result.errors.size(), stored ? 0 : 1);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM transactions").toInt(), stored ? 1 : 0);
    if (stored) {
        QCOMPARE(db.scalar("SELECT amount FROM transactions").toLongLong(), amount);
    }
}

LEDGERWELL_TEST(RestoreTest)
#include "restore_test.moc"
