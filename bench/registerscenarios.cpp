#include "registerscenarios.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "datagenerator.h"
#include "measure.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"

#include <QApplication>
#include <QFile>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

// Resident memory of this process in KiB, now or at its peak (Linux; 0 elsewhere).
int residentKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').first().toInt();
        }
    }
    return 0;
}

void paint(RegisterScreen &screen)
{
    screen.view()->viewport()->repaint();
}

} // namespace

void registerScenarios(int transactions, int runs, const QString &householdDir)
{
    QTemporaryDir dir;
    const bool household =
        !householdDir.isEmpty() && QFile::exists(householdDir + QStringLiteral("/ledgerwell.db"));
    qputenv("LEDGERWELL_DATA_DIR", (household ? householdDir : dir.path()).toUtf8());
    AppState state;
    if (!state.initialize()) {
        return;
    }
    const QString account =
        household ? state.accountRepository()->findAll().value(0).id
                  : DataGenerator().generate(state.database(), transactions, 1).accountIds.first();
    const auto cleanUp = qScopeGuard([&] {
        if (household) {
            QSqlQuery(QStringLiteral("DELETE FROM transactions WHERE payee = 'Benchmark Cafe'"),
                      state.database()->database());
        }
    });
    RegisterScreen screen(&state);
    screen.resize(1200, 800);
    screen.show();
    QApplication::processEvents();

    measure("register.rowsOnly", runs,
            [&] { return int(state.transactionRepository()->registerRows(account).size()); });
    measure("register.open", runs, [&] {
        screen.setAccount(QString());
        screen.setAccount(account);
        paint(screen);
        return screen.model()->rowCount() - 1;
    });
    measure("register.reload", runs, [&] {
        screen.reload();
        paint(screen);
        return screen.model()->rowCount() - 1;
    });
    measure("register.commitLine", runs, [&] {
        RegisterModel::EntryBuffer &entry = screen.model()->entry();
        entry.payee = QStringLiteral("Benchmark Cafe");
        entry.payment = QStringLiteral("4.50");
        screen.commitCurrentRow();
        paint(screen);
        return screen.model()->rowCount() - 1;
    });
    // From the entry row to the oldest line and back, as Ctrl+Home and Ctrl+End do.
    measure("register.jumpToFirst", runs, [&] {
        screen.view()->scrollToTop();
        screen.view()->setCurrentIndex(screen.model()->index(0, 0));
        paint(screen);
        return screen.model()->rowCount() - 1;
    });
    measure("register.jumpToEntry", runs, [&] {
        screen.scrollToEntryRow();
        paint(screen);
        return screen.model()->rowCount() - 1;
    });
    const int beforePaging = residentKiB("VmRSS:");
    measure("register.scrollAllPages", 1, [&] {
        QScrollBar *bar = screen.view()->verticalScrollBar();
        int pages = 0;
        for (int value = 0; value <= bar->maximum(); value += std::max(1, bar->pageStep())) {
            bar->setValue(value);
            paint(screen);
            ++pages;
        }
        return pages;
    });
    std::printf("%-32s %8d %10.1f\n", "register.pagingGrowthKiB",
                residentKiB("VmRSS:") - beforePaging, 0.0);
    // The peak includes generating the data in this process; the resident figure is the
    // program with the account open.
    std::printf("%-32s %8d %10.1f\n", "register.residentKiB", residentKiB("VmRSS:"), 0.0);
    std::printf("%-32s %8d %10.1f\n", "register.peakKiB", residentKiB("VmHWM:"), 0.0);
    std::fflush(stdout);
}
