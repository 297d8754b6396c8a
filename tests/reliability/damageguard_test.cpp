#include "app/appstate.h"
#include "data/database.h"
#include "support/testappstate.h"
#include "support/testrunner.h"
#include "ui/damageguard.h"

#include <QDate>
#include <QFile>
#include <QSqlError>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

// The window's side of a damaged data file: a failed read is said once, and after a run that
// did not end normally a damaged file is found at start-up and what can be read is saved.
class DamageGuardTest : public QObject
{
    Q_OBJECT

private slots:
    void failedReadIsSaidOnce();
    void cleanEndLeavesNothingToCheck();
    void damageAfterUncleanEndOffersToSave();

private:
    struct Answers
    {
        QStringList questions;
        QStringList messages;
        bool yes = true;
        QString file;
    };
    static void answer(DamageGuard &guard, Answers &answers);
};

void DamageGuardTest::answer(DamageGuard &guard, Answers &answers)
{
    guard.setPrompts(
        [&answers](QWidget *, const QString &, const QString &text) {
            answers.questions << text;
            return answers.yes;
        },
        [&answers](QWidget *, const QString &, const QString &text) { answers.messages << text; },
        [&answers](QWidget *, const QString &) { return answers.file; });
}

void DamageGuardTest::failedReadIsSaidOnce()
{
    TestAppState state;
    QVERIFY(state.isReady());
    QWidget window;
    DamageGuard guard(state.get(), &window);
    Answers answers;
    answer(guard, answers);
    const QSqlError corrupt(QStringLiteral("database disk image is malformed"), QString(),
                            QSqlError::StatementError, QStringLiteral("11"));
    state->database()->noteReadFailure(corrupt);
    state->database()->noteReadFailure(corrupt);
    QCOMPARE(answers.messages.size(), 1);
    QVERIFY(answers.messages.first().contains("damaged"));
}

void DamageGuardTest::cleanEndLeavesNothingToCheck()
{
    TestAppState state;
    QVERIFY(state.isReady());
    QWidget window;
    {
        DamageGuard running(state.get(), &window);
        QVERIFY(QFile::exists(DamageGuard::markerPath()));
    }
    QVERIFY(!QFile::exists(DamageGuard::markerPath()));
    DamageGuard next(state.get(), &window);
    Answers answers;
    answer(next, answers);
    QVERIFY(!next.checkAfterUncleanEnd());
    QVERIFY(answers.questions.isEmpty());
}

void DamageGuardTest::damageAfterUncleanEndOffersToSave()
{
    QTemporaryDir data;
    qputenv("LEDGERWELL_DATA_DIR", data.path().toUtf8());
    {
        AppState first;
        QVERIFY(first.initialize());
        QSqlDatabase db = first.database()->database();
        QVERIFY(db.exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', "
                        "'Checking', '2020-01-01', '2020-01-01')")
                    .isActive());
        db.transaction();
        for (int i = 0; i < 3000; ++i) {
            const QString date = QDate(2020, 1, 1).addDays(i / 10).toString(Qt::ISODate);
            db.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, "
                                   "created_at, updated_at) VALUES ('t%1', 'a', '%2', 'Payee %1', "
                                   "-100, '%2', '%2')")
                        .arg(i)
                        .arg(date));
        }
        QVERIFY(db.commit());
    }
    // Pages holding June 2020 are overwritten, as a failing disk leaves them; the previous
    // run's marker is still there: it never ended normally.
    QFile file(data.filePath("ledgerwell.db"));
    QVERIFY(file.open(QIODevice::ReadWrite));
    const QByteArray bytes = file.readAll();
    int damaged = 0;
    for (qsizetype at = bytes.indexOf("2020-06-1"); at >= 0;
         at = bytes.indexOf("2020-06-1", at + 1)) {
        file.seek(at / 4096 * 4096);
        file.write(QByteArray(4096, char(0xEE)));
        ++damaged;
    }
    file.close();
    QVERIFY(damaged > 0);
    QFile marker(data.filePath("ledgerwell.running"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    AppState state;
    QVERIFY(state.initialize());

    QWidget window;
    DamageGuard guard(&state, &window);
    Answers answers;
    QTemporaryDir out;
    answers.file = out.filePath("rescue.zip");
    answer(guard, answers);
    QVERIFY(guard.checkAfterUncleanEnd());
    QCOMPARE(answers.questions.size(), 1);
    QVERIFY(answers.questions.first().contains("damaged"));
    QVERIFY(QFile::exists(answers.file));
    QCOMPARE(answers.messages.size(), 1);
    QVERIFY(answers.messages.first().contains(answers.file));
}

LEDGERWELL_TEST(DamageGuardTest)
#include "damageguard_test.moc"
