#include "damageguard.h"

#include "app/appstate.h"
#include "app/datadirectory.h"
#include "data/database.h"
#include "data/integritycheck.h"
#include "services/backupservice.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QTimer>

Q_LOGGING_CATEGORY(lcDamage, "ledgerwell.damage")

DamageGuard::DamageGuard(AppState *state, QWidget *window)
    : QObject(window)
    , m_state(state)
    , m_window(window)
    , m_ask(Prompts::yesNo(QMessageBox::Yes, QMessageBox::Warning))
    , m_inform(Prompts::information())
    , m_warn(Prompts::warning())
    , m_chooseFile([](QWidget *parent, const QString &proposal) {
        return QFileDialog::getSaveFileName(parent, tr("Save What Can Be Read"), proposal,
                                            tr("Backup Files (*.zip)"));
    })
{
    // The marker outlives only a run that did not end normally.
    m_unclean = QFile::exists(markerPath());
    QFile marker(markerPath());
    if (marker.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        marker.write(QByteArray::number(QCoreApplication::applicationPid()));
    }
    connect(state->database(), &Database::readFailed, this, &DamageGuard::readFailed);
    if (m_unclean) {
        QTimer::singleShot(0, this, &DamageGuard::checkAfterUncleanEnd);
    }
}

DamageGuard::~DamageGuard()
{
    // The window closes normally: the next start need not look for damage.
    QFile::remove(markerPath());
}

QString DamageGuard::markerPath()
{
    return QDir(dataDirectory()).filePath(QStringLiteral("ledgerwell.running"));
}

void DamageGuard::setPrompts(Prompts::Question ask, Prompts::Message inform, FileChooser chooseFile)
{
    m_ask = std::move(ask);
    m_inform = m_warn = std::move(inform);
    m_chooseFile = std::move(chooseFile);
}

bool DamageGuard::checkAfterUncleanEnd()
{
    if (!m_unclean) {
        return false;
    }
    m_unclean = false;
    qCInfo(lcDamage) << "The last run did not end normally; checking the data file";
    const IntegrityCheck::Result result =
        IntegrityCheck::run(m_state->database()->database(), IntegrityCheck::Depth::Quick);
    if (result.isHealthy()) {
        return false;
    }
    offerSalvage(result.problems);
    return true;
}

void DamageGuard::readFailed(const QString &message)
{
    if (std::exchange(m_warned, true)) {
        return;
    }
    m_warn(m_window, tr("Data File Damaged"),
           tr("%1\n\nBalances, lists and reports may be incomplete. Save what can still be read "
              "(Settings, Data & Sync, Export) and check the file with 'ledgerwell-cli check'.")
               .arg(message));
}

void DamageGuard::offerSalvage(const QStringList &problems)
{
    m_warned = true;
    const QString question =
        tr("Ledgerwell did not close normally last time, and the data file is damaged:\n\n%1\n\n"
           "Save what can still be read to a backup file now?")
            .arg(problems.mid(0, 5).join(QLatin1Char('\n')));
    if (!m_ask(m_window, tr("Data File Damaged"), question)) {
        return;
    }
    const QString proposal = QDir::home().filePath(
        QStringLiteral("ledgerwell-rescue-%1.zip").arg(QDate::currentDate().toString(Qt::ISODate)));
    const QString path = m_chooseFile(m_window, proposal);
    if (path.isEmpty()) {
        return;
    }
    BackupService *backup = m_state->backupService();
    const QByteArray archive = backup->exportReadable();
    m_state->database()->clearReadFailure();
    QSaveFile file(path);
    if (archive.isEmpty() || !file.open(QIODevice::WriteOnly) ||
        file.write(archive) != archive.size() || !file.commit()) {
        m_warn(m_window, tr("Data File Damaged"), tr("Could not write %1.").arg(path));
        return;
    }
    m_inform(m_window, tr("Data File Damaged"),
             backup->exportProblems().isEmpty()
                 ? tr("Everything was saved to %1.").arg(path)
                 : tr("What could be read was saved to %1. Not saved:\n%2")
                       .arg(path, backup->exportProblems().join(QLatin1Char('\n'))));
}
