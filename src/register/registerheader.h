#pragma once

#include "data/currency.h"

#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;

// The heading above the register: the account's name and institution, its balance with, beside
// it, the cleared balance and (while lines are dated after today) today's balance, and the
// Reconcile button. A long name is elided before it can hold the window wide.
class RegisterHeader final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RegisterHeader)

public:
    explicit RegisterHeader(QWidget *parent = nullptr);

    void setAccount(const QString &name, const QString &subtitle);
    // `today` is shown only while some line is dated after today.
    void showBalances(qint64 ending, qint64 cleared, std::optional<qint64> today,
                      Currency currency);

    QString balanceText() const;
    QString clearedText() const;
    QString todayText() const;
    bool showsToday() const;

signals:
    void reconcileClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void elideName();

    QString m_name;
    QLabel *m_nameLabel;
    QLabel *m_subtitleLabel;
    QLabel *m_balanceLabel;
    QLabel *m_clearedLabel;
    QLabel *m_todayLabel;
    QPushButton *m_reconcileButton;
};
