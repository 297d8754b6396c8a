#include "statusbar.h"

#include "register/themecolors.h"

#include <QLabel>
#include <QProgressBar>

StatusBar::StatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_accounts(new QLabel(this))
    , m_recurring(new QLabel(this))
    , m_busy(new QLabel(this))
    , m_indicator(new QProgressBar(this))
    , m_sync(new QLabel(tr("Offline"), this))
{
    setStyleSheet(
        QStringLiteral("QStatusBar {  padding: 2px 4px;}QStatusBar::item { border: none; }"));
    addWidget(m_accounts);
    addWidget(m_recurring);
    m_recurring->hide();
    m_indicator->setRange(0, 0);
    m_indicator->setMaximumSize(100, 14);
    m_indicator->setTextVisible(false);
    m_busy->hide();
    m_indicator->hide();
    addPermanentWidget(m_busy);
    addPermanentWidget(m_indicator);
    addPermanentWidget(m_sync);
    restyle();
}

void StatusBar::setAccountCount(int count)
{
    m_accounts->setText(tr("%n account(s)", nullptr, count));
}

void StatusBar::setRecurringDue(int count)
{
    m_recurringCount = count;
    if (count <= 0) {
        m_recurring->hide();
        return;
    }
    m_recurring->setText(tr("  \u2022  %n recurring due", nullptr, count));
    m_recurring->setStyleSheet(
        QStringLiteral("color: %1; font-weight: bold;").arg(ThemeColors::warning().name()));
    m_recurring->show();
}

void StatusBar::setSyncState(const QString &text)
{
    m_sync->setText(text);
}

void StatusBar::setBusy(const QString &text)
{
    m_busy->setText(text);
    m_busy->show();
    m_indicator->show();
}

void StatusBar::clearBusy()
{
    m_busy->hide();
    m_indicator->hide();
}

void StatusBar::showTransient(const QString &text, int milliseconds)
{
    clearBusy();
    showMessage(text, milliseconds);
}

void StatusBar::restyle()
{
    const QString style =
        QStringLiteral("color: %1;")
            .arg(ThemeColors::isDark() ? QStringLiteral("#8FAF9F") : QStringLiteral("#2A3D33"));
    m_sync->setStyleSheet(style);
    m_accounts->setStyleSheet(style);
    setRecurringDue(m_recurringCount);
}

QString StatusBar::accountCountText() const
{
    return m_accounts->text();
}

QString StatusBar::recurringDueText() const
{
    return m_recurring->text();
}

bool StatusBar::recurringDueVisible() const
{
    return !m_recurring->isHidden();
}

QString StatusBar::syncStateText() const
{
    return m_sync->text();
}
