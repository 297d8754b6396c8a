#include "smalldisk.h"

#include <QFile>
#include <QProcess>
#include <QStorageInfo>

namespace {

bool runQuietly(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

SmallDisk::SmallDisk(int kib)
{
    m_mounted =
        m_dir.isValid() &&
        runQuietly(QStringLiteral("mount"),
                   {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                    QStringLiteral("size=%1k").arg(kib), QStringLiteral("tmpfs"), m_dir.path()});
}

SmallDisk::~SmallDisk()
{
    if (m_mounted) {
        runQuietly(QStringLiteral("umount"), {m_dir.path()});
    }
}

bool SmallDisk::fill(int leaveKib) const
{
    QStorageInfo disk(m_dir.path());
    const qint64 size = disk.bytesAvailable() - qint64(leaveKib) * 1024;
    QFile filler(m_dir.filePath(QStringLiteral("filler")));
    return size > 0 && filler.open(QIODevice::WriteOnly) &&
           filler.write(QByteArray(size, 'f')) == size;
}
