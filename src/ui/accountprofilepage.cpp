#include "accountprofilepage.h"

#include "account/authclient.h"
#include "account/client.h"
#include "accountprompts.h"

#include <QFormLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace VarnAccount {

namespace {

constexpr int kMinimumPasswordLength = 8;

// Overwrites the characters before the text is let go, so the password does not linger in freed
// memory.
void wipe(QString &text)
{
    text.fill(QChar(u'\0'));
    text.clear();
}

} // namespace

AccountProfilePage::AccountProfilePage(Client *client, const AccountPrompts *prompts,
                                       QWidget *parent)
    : AccountPage(tr("Profile"), client, prompts, parent)
{
    render(QString(), QString());
}

void AccountProfilePage::refresh()
{
    QPointer<AccountProfilePage> self(this);
    m_client->authClient()->fetchCurrentUser([self](const User &user) {
        if (self) {
            self->render(user.displayName, user.email);
        }
    });
}

void AccountProfilePage::render(const QString &displayName, const QString &email)
{
    m_displayName = displayName;
    QVBoxLayout *layout = clearContent();
    addSection(tr("Personal Information"));
    auto *form = new QFormLayout;
    form->addRow(tr("Display name:"),
                 new QLabel(displayName.isEmpty() ? tr("(not set)") : displayName));
    form->addRow(tr("Email:"), new QLabel(email));
    layout->addLayout(form);
    connect(addButton(tr("Edit Display Name")), &QPushButton::clicked, this,
            &AccountProfilePage::editDisplayName);
    addSection(tr("Password"));
    addText(tr("Change your account password."));
    connect(addButton(tr("Change Password")), &QPushButton::clicked, this,
            &AccountProfilePage::changePassword);
}

void AccountProfilePage::editDisplayName()
{
    const auto answer = m_prompts->input(this, tr("Edit Display Name"), tr("Display name:"),
                                         QLineEdit::Normal, m_displayName);
    const QString name = answer.value_or(QString()).trimmed();
    if (name.isEmpty()) {
        return;
    }
    QPointer<AccountProfilePage> self(this);
    m_client->authClient()->updateProfile(name, [self, name](const User &user) {
        if (!self) {
            return;
        }
        // The reply carries the stored user; a failed update leaves the cached one unchanged.
        if (user.displayName == name) {
            emit self->status(tr("Display name updated."), false);
            self->refresh();
        } else {
            emit self->status(tr("Failed to update profile."), true);
        }
    });
}

void AccountProfilePage::changePassword()
{
    const QString title = tr("Change Password");
    auto current =
        m_prompts->input(this, title, tr("Current password:"), QLineEdit::Password, QString());
    if (!current || current->isEmpty()) {
        return;
    }
    auto fresh = m_prompts->input(this, title, tr("New password (min 8 characters):"),
                                  QLineEdit::Password, QString());
    if (!fresh) {
        wipe(*current);
        return;
    }
    // A short password is refused here, before anything is sent.
    if (fresh->size() < kMinimumPasswordLength) {
        wipe(*current);
        wipe(*fresh);
        emit status(tr("Password must be at least 8 characters."), true);
        return;
    }
    auto confirm =
        m_prompts->input(this, title, tr("Confirm new password:"), QLineEdit::Password, QString());
    if (!confirm) {
        wipe(*current);
        wipe(*fresh);
        return;
    }
    if (*confirm != *fresh) {
        emit status(tr("Passwords do not match."), true);
    } else {
        QPointer<AccountProfilePage> self(this);
        m_client->authClient()->changePassword(*current, *fresh, [self](bool ok) {
            if (self) {
                emit self->status(ok ? tr("Password changed.") : tr("Failed to change password."),
                                  !ok);
            }
        });
    }
    wipe(*current);
    wipe(*fresh);
    wipe(*confirm);
}

} // namespace VarnAccount
