#include "windowscenarios.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "datagenerator.h"
#include "measure.h"
#include "services/importservice.h"
#include "services/reportrunner.h"
#include "ui/mainwindow.h"
#include "ui/reportsscreen.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QString writeCsv(const QString &path, const QString &payeePrefix, int rows)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    file.write("Date,Payee,Amount\n");
    for (int i = 0; i < rows; ++i) {
        file.write(QStringLiteral("%1/%2/2025,%3 %4,-%5.%6\n")
                       .arg(1 + i % 12)
                       .arg(1 + i % 28)
                       .arg(payeePrefix)
                       .arg(i)
                       .arg(1 + i % 90)
                       .arg(i % 100, 2, 10, QLatin1Char('0'))
                       .toUtf8());
    }
    return path;
}

// Launch to idle of the real program, and its peak memory through /usr/bin/time.
void startup(const QString &programPath, const QString &dataDir, int runs)
{
    int peakKiB = 0;
    measure("window.startup", runs, [&] {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LEDGERWELL_DATA_DIR"), dataDir);
        env.insert(QStringLiteral("LEDGERWELL_QUIT_WHEN_IDLE"), QStringLiteral("1"));
        if (!env.contains(QStringLiteral("DISPLAY"))) {
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
        process.setProcessEnvironment(env);
        const bool timed = QFile::exists(QStringLiteral("/usr/bin/time"));
        if (timed) {
            process.start(QStringLiteral("/usr/bin/time"),
                          {QStringLiteral("-f"), QStringLiteral("%M"), programPath});
        } else {
            process.start(programPath, {});
        }
        process.waitForFinished(60000);
        if (timed) {
            peakKiB = process.readAllStandardError().trimmed().split('\n').last().toInt();
        }
        return process.exitCode() == 0 ? 1 : 0;
    });
    std::printf("%-32s %8d %10.1f\n", "window.startupPeakKiB", peakKiB, 0.0);
    std::fflush(stdout);
}

} // namespace

void windowScenarios(int transactions, int runs, const QString &programPath,
                     const QString &householdDir)
{
    QTemporaryDir dir;
    const QString dataDir =
        householdDir.isEmpty() ? dir.filePath(QStringLiteral("data")) : householdDir;
    qputenv("LEDGERWELL_DATA_DIR", dataDir.toUtf8());
    const bool reuse = QFile::exists(dataDir + QStringLiteral("/ledgerwell.db"));
    QString account;
    {
        AppState state;
        if (!state.initialize()) {
            return;
        }
        if (reuse) {
            account = state.accountRepository()->findAll().value(0).id;
        } else {
            account = DataGenerator().generate(state.database(), transactions).accountIds.first();
        }
    }
    startup(programPath, dataDir, runs);
    if (!householdDir.isEmpty()) {
        // The imports below would change the reused household.
        return;
    }

    AppState state;
    state.initialize();
    const QString withoutWindow =
        writeCsv(dir.filePath(QStringLiteral("a.csv")), QStringLiteral("Alone"), 10000);
    const QString withWindow =
        writeCsv(dir.filePath(QStringLiteral("b.csv")), QStringLiteral("Watched"), 10000);
    measure("window.import10k.noWindow", 1,
            [&] { return state.importService()->importCsv(withoutWindow, account, {}).imported; });
    MainWindow window(&state);
    window.show();
    QApplication::processEvents();
    measure("window.sidebarRefresh", runs, [&] {
        window.onAccountsChanged();
        return window.accountList()->model()->rowCount();
    });
    measure("window.import10k.withWindow", 1, [&] {
        const int imported = state.importService()->importCsv(withWindow, account, {}).imported;
        QApplication::processEvents();
        return imported;
    });
}

void reportsScenario(int transactions, int runs)
{
    QTemporaryDir dir;
    qputenv("LEDGERWELL_DATA_DIR", dir.filePath(QStringLiteral("data")).toUtf8());
    AppState state;
    if (!state.initialize()) {
        return;
    }
    DataGenerator().generate(state.database(), transactions);
    ReportsScreen reports(&state);
    reports.periodCombo()->blockSignals(true);
    reports.periodCombo()->setCurrentIndex(9); // All Time
    reports.periodCombo()->blockSignals(false);
    reports.onDatePresetChanged(9);
    measure("reports.refreshAllTabs", runs, [&] {
        reports.refresh();
        return transactions;
    });
    // The same six queries without and with the reader connections, without the tables.
    const ReportRequest request{{},
                                QDate(2000, 1, 1),
                                QDate::currentDate(),
                                QDate(2024, 1, 1),
                                QDate(2024, 12, 31),
                                QDate(2025, 1, 1),
                                QDate(2025, 12, 31)};
    for (const int readers : {0, -1}) {
        ReportRunner runner(state.database(), readers);
        measure(readers == 0 ? "reports.queries.oneConnection" : "reports.queries.readers", runs,
                [&] {
                    runner.run(request);
                    return runner.readerCount();
                });
    }
}
