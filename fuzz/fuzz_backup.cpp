// libFuzzer target: arbitrary bytes as a backup archive, imported into an in-memory database.
#include "data/database.h"
#include "services/backupservice.h"

#include <QCoreApplication>

namespace {

Database *database()
{
    static Database *db = [] {
        auto *d = new Database;
        if (!d->open(QStringLiteral(":memory:")) || !d->runMigrations()) {
            __builtin_trap();
        }
        return d;
    }();
    return db;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    database();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    BackupService service(database());
    const QByteArray archive(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const auto mode :
         {BackupService::ImportMode::Overwrite, BackupService::ImportMode::KeepNewer}) {
        service.importBackup(archive, mode);
    }
    return 0;
}
