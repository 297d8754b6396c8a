#include "reconcilescenarios.h"

#include "app/appstate.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "datagenerator.h"
#include "measure.h"
#include "ui/reconciliationmodel.h"
#include "ui/reconciliationscreen.h"

#include <QApplication>
#include <QFile>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>

namespace {

int residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toInt();
        }
    }
    return 0;
}

void report(const char *name, int value)
{
    std::printf("%-32s %8d %10.1f\n", name, value, 0.0);
    std::fflush(stdout);
}

void paint(ReconciliationScreen &screen)
{
    screen.table()->viewport()->repaint();
}

// Opens the window on the account (timed), then ticks the first line and jumps to the last.
void openTickAndJump(const char *prefix, ReconciliationScreen &screen, const QString &account,
                     int runs)
{
    const QByteArray name = prefix;
    const int before = residentKiB();
    measure((name + ".open").constData(), runs, [&] {
        screen.setAccount(account);
        paint(screen);
        return screen.model()->rowCount();
    });
    report((name + ".openGrowthKiB").constData(), residentKiB() - before);
    measure((name + ".tickLine").constData(), runs, [&] {
        screen.setTicked(0, !screen.isTicked(0));
        paint(screen);
        return int(screen.difference() != 0);
    });
    measure((name + ".jumpToLast").constData(), runs, [&] {
        screen.table()->scrollToTop();
        paint(screen);
        screen.table()->scrollToBottom();
        paint(screen);
        return screen.model()->rowCount();
    });
    report((name + ".growthKiB").constData(), residentKiB() - before);
}

} // namespace

void reconcileScenarios(int transactions, int runs)
{
    QTemporaryDir dir;
    qputenv("LEDGERWELL_DATA_DIR", dir.path().toUtf8());
    AppState state;
    if (!state.initialize()) {
        return;
    }
    const QString account =
        DataGenerator().generate(state.database(), transactions, 1).accountIds.first();
    ReconciliationScreen screen(&state);
    screen.resize(1100, 720);
    screen.show();
    QApplication::processEvents();
    openTickAndJump("reconcile.recent", screen, account, runs);
    // The previous balance as the window added it up before: every reconciled row read.
    measure("reconcile.reconciledRowsRead", runs,
            [&] { return int(state.transactionRepository()->reconciledTotals(account).sum != 0); });
    // The worst case: not one line of the account reconciled yet.
    QSqlQuery(QStringLiteral("UPDATE transactions SET reconciled = 0"),
              state.database()->database());
    screen.setAccount(QString());
    openTickAndJump("reconcile.all", screen, account, runs);
    // What reading the candidates whole costs, as the window did before it read them in blocks.
    const int before = residentKiB();
    QList<Transaction> whole;
    measure("reconcile.wholeRead", 1, [&] {
        whole = state.transactionRepository()->findUnreconciled(account);
        return int(whole.size());
    });
    report("reconcile.wholeReadGrowthKiB", residentKiB() - before);
}
