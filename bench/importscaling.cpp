#include "importscaling.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Figures
{
    int imported = 0;
    qint64 peakKiB = -1;
    double milliseconds = 0;
};

void writeCsv(const QString &path, int rows)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    file.write("Date,Payee,Amount,Memo\n");
    QByteArray chunk;
    for (int i = 0; i < rows; ++i) {
        chunk +=
            QDate(2000, 1, 1).addDays(i % 9000).toString(QStringLiteral("M/d/yyyy")).toLatin1() +
            ",\"Payee " + QByteArray::number(i % 5000) + "\",\"-" + QByteArray::number(i % 100000) +
            "." + QByteArray::number(10 + i % 90) + "\",memo " + QByteArray::number(i) + "\n";
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
}

// The same rows as QIF records.
void writeQif(const QString &path, int rows)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    file.write("!Type:Bank\n");
    QByteArray chunk;
    for (int i = 0; i < rows; ++i) {
        chunk +=
            "D" +
            QDate(2000, 1, 1).addDays(i % 9000).toString(QStringLiteral("M/d/yyyy")).toLatin1() +
            "\nPPayee " + QByteArray::number(i % 5000) + "\nT-" + QByteArray::number(i % 100000) +
            "." + QByteArray::number(10 + i % 90) + "\nMmemo " + QByteArray::number(i) + "\n^\n";
        if (chunk.size() > (1 << 20)) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
}

Figures importOnce(const QString &cliPath, int rows, bool qif = false)
{
    QTemporaryDir dir;
    const QString csv =
        QDir(dir.path()).filePath(qif ? QStringLiteral("rows.qif") : QStringLiteral("rows.csv"));
    (qif ? writeQif : writeCsv)(csv, rows);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LEDGERWELL_DATA_DIR"),
               QDir(dir.path()).filePath(QStringLiteral("data")));
    const bool timed = QFile::exists(QStringLiteral("/usr/bin/time"));
    const auto run = [&](const QStringList &args) {
        QProcess process;
        process.setProcessEnvironment(env);
        if (timed) {
            process.start(QStringLiteral("/usr/bin/time"),
                          QStringList{QStringLiteral("-f"), QStringLiteral("peak %M")} +
                              QStringList{cliPath} + args);
        } else {
            process.start(cliPath, args);
        }
        process.waitForFinished(-1);
        return process.readAllStandardError().trimmed().split('\n').last();
    };
    run({QStringLiteral("add-account"), QStringLiteral("Checking")});
    Figures figures;
    QElapsedTimer timer;
    timer.start();
    const QByteArray peak =
        qif ? run({QStringLiteral("import-qif"), csv, QStringLiteral("--account"),
                   QStringLiteral("Checking")})
            : run({QStringLiteral("import-csv"), csv, QStringLiteral("--account"),
                   QStringLiteral("Checking"), QStringLiteral("--date-col"), QStringLiteral("0"),
                   QStringLiteral("--payee-col"), QStringLiteral("1"),
                   QStringLiteral("--amount-col"), QStringLiteral("2"),
                   QStringLiteral("--memo-col"), QStringLiteral("3")});
    figures.milliseconds = double(timer.nsecsElapsed()) / 1e6;
    if (peak.startsWith("peak ")) {
        figures.peakKiB = peak.mid(5).toLongLong();
    }
    figures.imported = rows;
    return figures;
}

void print(const char *name, const Figures &figures)
{
    std::printf("%-32s %8d %10.1f\n", name, figures.imported, figures.milliseconds);
    std::printf("%-32s %8lld\n", (QByteArray(name) + ".peakKB").constData(),
                static_cast<long long>(figures.peakKiB));
    std::fflush(stdout);
}

} // namespace

void importScaling(const QString &cliPath)
{
    const Figures small = importOnce(cliPath, 100000);
    print("cli.importCsv.100k", small);
    const Figures large = importOnce(cliPath, 1000000);
    print("cli.importCsv.1M", large);
    std::printf("%-32s %8s %10.2f  (goal: at most 11)\n", "cli.importCsv.1M/100k", "",
                large.milliseconds / small.milliseconds);
    std::printf("%-32s %8s %10.1f  (goal: under 200 MB)\n", "cli.importCsv.1M.peakMB", "",
                double(large.peakKiB) / 1024.0);
    const Figures qif = importOnce(cliPath, 1000000, true);
    print("cli.importQif.1M", qif);
    std::printf("%-32s %8s %10.1f  (goal: under 200 MB)\n", "cli.importQif.1M.peakMB", "",
                double(qif.peakKiB) / 1024.0);
    std::fflush(stdout);
}
