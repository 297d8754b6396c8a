#include "backupwindowscenario.h"

#include "app/appstate.h"
#include "datagenerator.h"
#include "services/backupservice.h"
#include "ui/datasyncpage.h"
#include "ui/mainwindow.h"
#include "ui/settingsscreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

// Times between the paint events of one widget, while it is asked to repaint continually.
class PaintGaps final : public QObject
{
public:
    explicit PaintGaps(QWidget *widget)
        : m_widget(widget)
    {
        widget->installEventFilter(this);
        m_clock.start();
    }

    void restart()
    {
        m_longest = 0;
        m_last = m_clock.elapsed();
    }
    qint64 longest() const { return std::max(m_longest, m_clock.elapsed() - m_last); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_widget && event->type() == QEvent::Paint) {
            const qint64 now = m_clock.elapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_widget;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

void print(const char *name, qint64 count, double value)
{
    std::printf("%-32s %8lld %10.1f\n", name, static_cast<long long>(count), value);
    std::fflush(stdout);
}

QString writeBackup(const QString &dataDir, const QString &path, int transactions)
{
    qputenv("LEDGERWELL_DATA_DIR", dataDir.toUtf8());
    AppState state;
    if (!state.initialize()) {
        qFatal("cannot open %s", qPrintable(dataDir));
    }
    DataGenerator().generate(state.database(), transactions);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(state.backupService()->exportBackup()) < 0) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

double cliImport(const QString &cliPath, const QString &dataDir, const QString &backup)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LEDGERWELL_DATA_DIR"), dataDir);
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(cliPath, {QStringLiteral("import-backup"), backup, QStringLiteral("--mode"),
                            QStringLiteral("overwrite")});
    process.waitForFinished(600000);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    if (process.exitCode() != 0) {
        std::fprintf(stderr, "%s\n", process.readAllStandardError().constData());
    }
    return ms;
}

} // namespace

void backupWindowScenario(int transactions, const QString &cliPath)
{
    QTemporaryDir dir;
    const QString backup = writeBackup(dir.filePath(QStringLiteral("source")),
                                       dir.filePath(QStringLiteral("backup.zip")), transactions);
    const double cli = cliImport(cliPath, dir.filePath(QStringLiteral("cli")), backup);
    print("backup.import.cli", transactions, cli);

    qputenv("LEDGERWELL_DATA_DIR", dir.filePath(QStringLiteral("window")).toUtf8());
    AppState state;
    if (!state.initialize()) {
        return;
    }
    MainWindow window(&state);
    window.show();
    window.showSettingsWindow();
    QApplication::processEvents();
    DataSyncPage *page = window.settingsScreen()->dataSyncPage();
    page->setOpenChooser(
        [&](QWidget *, const QString &, const QString &, const QString &) { return backup; });
    page->setItemChooser([](QWidget *, const QString &, const QString &, const QStringList &) {
        return std::optional<int>(0); // Replace all with backup data
    });
    page->setInform([](QWidget *, const QString &, const QString &) {});
    page->setWarn([](QWidget *, const QString &title, const QString &text) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    });
    PaintGaps gaps(&window);
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, &window, [&window] { window.update(); });
    repaint.start(10);
    QApplication::processEvents();
    gaps.restart();
    QElapsedTimer timer;
    timer.start();
    page->importBackup();
    const double through = double(timer.nsecsElapsed()) / 1e6;
    const qint64 longest = gaps.longest();
    repaint.stop();
    print("backup.import.window", transactions, through);
    print("backup.import.windowToCliPct", transactions, 100.0 * through / std::max(1.0, cli));
    print("backup.import.longestPaintGapMs", transactions, double(longest));
}
