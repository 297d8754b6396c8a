#pragma once

#include "account/accountrecords.h"
#include "register/prompts.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace VarnAccount {

class AccountClient;
class SharingBackend;

// The words of the share dialog, chosen by whoever opens it for what is being shared.
struct ShareDialogTexts
{
    QString title;
    QString heading;
    QString description;
    QString listLabel;
    QString emptyText;
    QString shareButton;
    QString removeButton;
    QString closeButton;
    QString role;
    QString shareFailedTitle;
    QString removeFailedTitle;
    QString removeConfirmTitle;
    // %1 = the person's label.
    QString removeConfirmText;
};

// Who has access to one account, and adding or removing members of the user's group. The
// owner's own row is never listed; people already sharing are not offered again.
class ShareMembersDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShareMembersDialog)

public:
    ShareMembersDialog(const QString &accountId, SharingBackend *backend, AccountClient *account,
                       const ShareDialogTexts &texts, QWidget *parent = nullptr);

    // Warnings and the removal question go through these, so tests can answer them.
    void setQuestion(Prompts::Question question) { m_question = std::move(question); }
    void setMessage(Prompts::Message message) { m_message = std::move(message); }

    QComboBox *memberCombo() const { return m_combo; }
    QListWidget *sharesList() const { return m_list; }
    QPushButton *shareButton() const { return m_share; }
    QPushButton *removeButton() const { return m_remove; }
    QLabel *noGroupNotice() const { return m_noGroup; }
    QWidget *addRow() const { return m_addRow; }
    // True while a load of the group or the shares is under way.
    bool isLoading() const { return m_pending > 0; }

signals:
    void sharingChanged();

public slots:
    void refreshAll();
    void onAddShare();
    void onRemoveSelected();

private:
    void buildLayout();
    void loadGroup();
    void loadShares();
    void showShares(const QList<ShareMember> &shares);
    void rebuildCombo();
    void updateRemoveButton();
    QString labelFor(const ShareMember &share) const;
    const GroupMember *groupMember(const QString &userId) const;
    void finishLoad();

    QString m_accountId;
    SharingBackend *m_backend;
    AccountClient *m_account;
    ShareDialogTexts m_texts;
    QString m_ownUserId;
    QList<GroupMember> m_members;
    QList<ShareMember> m_shares;
    bool m_sharesLoaded = false;
    int m_pending = 0;
    QComboBox *m_combo = nullptr;
    QPushButton *m_share = nullptr;
    QPushButton *m_remove = nullptr;
    QListWidget *m_list = nullptr;
    QLabel *m_noGroup = nullptr;
    QWidget *m_addRow = nullptr;
    Prompts::Question m_question;
    Prompts::Message m_message;
};

} // namespace VarnAccount
