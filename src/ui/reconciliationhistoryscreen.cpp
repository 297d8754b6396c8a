#include "reconciliationhistoryscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/money.h"
#include "data/reconciliationrepository.h"
#include "register/themecolors.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

ReconciliationHistoryScreen::ReconciliationHistoryScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_heading(new QLabel(tr("Reconciliation History"), this))
    , m_table(new QTableWidget(0, 4, this))
    , m_empty(new QLabel(tr("No reconciliations yet. Reconcile your account from the register "
                            "to see the history here."),
                         this))
{
    auto *layout = new QVBoxLayout(this);
    QFont font = m_heading->font();
    font.setPointSizeF(font.pointSizeF() + 8);
    font.setWeight(QFont::DemiBold);
    m_heading->setFont(font);
    auto *subtitle = new QLabel(tr("Past reconciliations for this account."), this);
    subtitle->setStyleSheet(QStringLiteral("color: #6E8A7E;"));
    m_table->setHorizontalHeaderLabels(
        {tr("Statement Date"), tr("Statement Balance"), tr("Reconciled Balance"), tr("Completed")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    m_empty->setStyleSheet(
        QStringLiteral("color: %1; padding: 32px;").arg(QStringLiteral("#6E8A7E")));
    m_empty->hide();
    layout->addWidget(m_heading);
    layout->addWidget(subtitle);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_empty, 1);
}

bool ReconciliationHistoryScreen::showsEmptyState() const
{
    return !m_empty->isHidden() && m_table->isHidden();
}

QString ReconciliationHistoryScreen::headingText() const
{
    return m_heading->text();
}

void ReconciliationHistoryScreen::setAccount(const QString &accountId)
{
    if (accountId.isEmpty()) {
        return;
    }
    const auto account = m_state->accountRepository()->findById(accountId);
    const Currency currency = account ? account->currency : Currency::USD;
    if (account) {
        m_heading->setText(tr("Reconciliation History \u2014 %1").arg(account->name));
    }
    const QList<Reconciliation> rows =
        m_state->reconciliationRepository()->findByAccount(accountId);
    m_table->setRowCount(int(rows.size()));
    const QLocale english(QLocale::English);
    for (int r = 0; r < rows.size(); ++r) {
        const Reconciliation &rec = rows[r];
        m_table->setItem(r, 0,
                         new QTableWidgetItem(
                             english.toString(rec.statementDate, QStringLiteral("MMM d, yyyy"))));
        const qint64 balances[] = {rec.statementBalance, rec.reconciledBalance};
        for (int i = 0; i < 2; ++i) {
            auto *item = new QTableWidgetItem(formatMoney(balances[i], currency));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (balances[i] < 0) {
                item->setForeground(ThemeColors::negativeAmount());
            }
            m_table->setItem(r, 1 + i, item);
        }
        m_table->setItem(
            r, 3,
            new QTableWidgetItem(english.toString(rec.completedAt.toLocalTime(),
                                                  QStringLiteral("MMM d, yyyy h:mm ap"))));
    }
    m_table->setVisible(!rows.isEmpty());
    m_empty->setVisible(rows.isEmpty());
}
