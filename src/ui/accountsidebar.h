#pragma once

#include "data/account.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QWidget>

class QLabel;
class QListView;
class QShortcut;
class SidebarModel;

// The account list at the left of the main window with the total below it, and the Alt+1 ..
// Alt+0 shortcuts of its first ten accounts. It stores nothing: a click, a shortcut, a context
// menu request or a new order after a drag are signalled to the window.
class AccountSidebar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountSidebar)

public:
    explicit AccountSidebar(QWidget *parent = nullptr);

    // 260, or less on a screen too narrow for the list and the register side by side.
    QSize minimumSizeHint() const override;

    QListView *view() const { return m_view; }
    SidebarModel *model() const { return m_model; }
    QString totalText() const;
    QList<QShortcut *> shortcuts() const { return m_shortcuts; }
    // The account under a point of the list's viewport; empty when none.
    QString accountIdAt(const QPoint &position) const;

    // Shows these accounts in this order and marks `currentId` (when listed).
    void setAccounts(const QList<Account> &accounts, const QHash<QString, qint64> &sums,
                     const QString &currentId);
    void select(const QString &accountId);

signals:
    void accountChosen(const QString &accountId);
    void contextMenuRequested(const QPoint &position);
    // Every account with its new position after a drag.
    void orderChanged(const QList<QPair<QString, int>> &orders);

private:
    void rebuildShortcuts();
    int minimumWidthOnScreen() const;

    SidebarModel *m_model;
    QListView *m_view;
    QLabel *m_total;
    QList<QShortcut *> m_shortcuts;
};
