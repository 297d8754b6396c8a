#include "accountprivacypage.h"

#include "account/accountclient.h"
#include "account/client.h"
#include "accountprompts.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace VarnAccount {

AccountPrivacyPage::AccountPrivacyPage(Client *client, const AccountPrompts *prompts,
                                       QWidget *parent)
    : AccountPage(tr("Data & Privacy"), client, prompts, parent)
{
    render();
}

void AccountPrivacyPage::refresh()
{
    // Any authenticated request renews an expiring access token first, and the owner check
    // reads that token.
    QPointer<AccountPrivacyPage> self(this);
    m_client->accountClient()->getProfile([self](const Profile &) {
        if (self) {
            self->render();
        }
    });
}

void AccountPrivacyPage::render()
{
    clearContent();
    addSection(tr("Danger Zone"));
    addText(tr("Permanently delete your account. This cannot be undone after 30 days."));
    m_delete = addButton(tr("Delete Account"));
    m_delete->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; background: #C62828; border: none;  border-radius: 4px; "
        "padding: 6px 16px; font-weight: 600; }QPushButton:hover { background: #B71C1C; "
        "}QPushButton:disabled { background: #666; }"));
    connect(m_delete, &QPushButton::clicked, this, &AccountPrivacyPage::deleteAccount);
    m_ownerNote = nullptr;
    if (isGroupOwner()) {
        m_delete->setEnabled(false);
        m_ownerNote = addText(tr("You are the group owner. Transfer ownership or remove all "
                                 "members before deleting your account."));
        QFont font = QApplication::font();
        font.setPointSizeF(std::max(7.0, font.pointSizeF() - 1));
        m_ownerNote->setFont(font);
    }
}

void AccountPrivacyPage::deleteAccount()
{
    const auto answer = m_prompts->input(
        this, tr("Delete Account"),
        tr("This will schedule your account for permanent deletion after 30 days.\n\nType "
           "DELETE to confirm:"),
        QLineEdit::Normal, QString());
    if (answer.value_or(QString()) != QLatin1String("DELETE")) {
        return;
    }
    QPointer<AccountPrivacyPage> self(this);
    m_client->accountClient()->deleteAccount([self](bool ok) {
        if (!self) {
            return;
        }
        if (!ok) {
            emit self->status(tr("Failed to delete account."), true);
            return;
        }
        self->m_prompts->information(self, tr("Account Scheduled for Deletion"),
                                     tr("Your account will be permanently deleted in 30 days. "
                                        "You can recover it by signing in before then."));
        emit self->logoutRequested();
    });
}

} // namespace VarnAccount
