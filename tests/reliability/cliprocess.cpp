#include "cliprocess.h"

#include <QJsonDocument>

namespace {

// The machine is shared and may be slow; a run that takes this long has hung.
constexpr int kRunTimeoutMs = 180000;

} // namespace

QJsonObject CliProcess::Result::json() const
{
    return QJsonDocument::fromJson(out).object();
}

CliProcess::CliProcess(const QString &dataDirectory)
    : m_dataDirectory(dataDirectory)
{
}

QString CliProcess::program()
{
    return QStringLiteral(LEDGERWELL_CLI);
}

QProcessEnvironment CliProcess::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LEDGERWELL_DATA_DIR"), m_dataDirectory);
    env.remove(QStringLiteral("LEDGERWELL_VERBOSE"));
    return env;
}

CliProcess::Result CliProcess::run(const QStringList &arguments) const
{
    CliProcess process(m_dataDirectory);
    process.start(arguments);
    return process.finish();
}

void CliProcess::start(const QStringList &arguments)
{
    m_process = std::make_unique<QProcess>();
    m_process->setProcessEnvironment(environment());
    m_process->start(program(), arguments);
}

CliProcess::Result CliProcess::finish()
{
    if (!m_process || !m_process->waitForFinished(kRunTimeoutMs)) {
        if (m_process) {
            m_process->kill();
            m_process->waitForFinished();
        }
        return {};
    }
    return {m_process->exitStatus() == QProcess::NormalExit ? m_process->exitCode() : -1,
            m_process->readAllStandardOutput(), m_process->readAllStandardError()};
}
