#include "sharemembersdialog.h"

#include "account/accountclient.h"
#include "account/sharingbackend.h"
#include "register/themecolors.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace VarnAccount {

ShareMembersDialog::ShareMembersDialog(const QString &accountId, SharingBackend *backend,
                                       AccountClient *account, const ShareDialogTexts &texts,
                                       QWidget *parent)
    : QDialog(parent)
    , m_accountId(accountId)
    , m_backend(backend)
    , m_account(account)
    , m_texts(texts)
    , m_question(Prompts::yesNo(QMessageBox::No))
    , m_message(Prompts::warning())
{
    setWindowTitle(m_texts.title);
    setMinimumSize(520, 520);
    resize(560, 560);
    buildLayout();
    refreshAll();
}

void ShareMembersDialog::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(m_texts.heading, this);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() + 3);
    font.setWeight(QFont::DemiBold);
    heading->setFont(font);
    layout->addWidget(heading);
    auto *description = new QLabel(m_texts.description, this);
    description->setWordWrap(true);
    layout->addWidget(description);

    m_addRow = new QWidget(this);
    auto *addLayout = new QHBoxLayout(m_addRow);
    addLayout->setContentsMargins(0, 8, 0, 8);
    m_combo = new QComboBox(m_addRow);
    m_combo->setMinimumWidth(280);
    m_share = new QPushButton(m_texts.shareButton, m_addRow);
    m_share->setDefault(true);
    addLayout->addWidget(m_combo, 1);
    addLayout->addWidget(m_share);
    layout->addWidget(m_addRow);

    m_noGroup = new QLabel(tr("You're not part of a group yet. Once you belong to one (see File "
                              "\u203A Varnaby Account...), you can share this account with its "
                              "members here."),
                           this);
    m_noGroup->setWordWrap(true);
    m_noGroup->hide();
    layout->addWidget(m_noGroup);

    layout->addWidget(new QLabel(m_texts.listLabel, this));
    m_list = new QListWidget(this);
    m_list->setMinimumHeight(160);
    layout->addWidget(m_list, 1);

    auto *buttons = new QHBoxLayout;
    m_remove = new QPushButton(m_texts.removeButton, this);
    m_remove->setEnabled(false);
    m_remove->setAutoDefault(false);
    auto *close = new QPushButton(m_texts.closeButton, this);
    close->setAutoDefault(false);
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(m_share, &QPushButton::clicked, this, &ShareMembersDialog::onAddShare);
    connect(m_remove, &QPushButton::clicked, this, &ShareMembersDialog::onRemoveSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::currentItemChanged, this,
            &ShareMembersDialog::updateRemoveButton);
}

void ShareMembersDialog::refreshAll()
{
    loadGroup();
    loadShares();
}

void ShareMembersDialog::finishLoad()
{
    m_pending = std::max(0, m_pending - 1);
}

void ShareMembersDialog::loadGroup()
{
    ++m_pending;
    QPointer<ShareMembersDialog> self(this);
    m_account->getProfile([self](const Profile &profile) {
        if (!self) {
            return;
        }
        self->m_ownUserId = profile.id;
        self->m_account->getGroup([self](const Group &group) {
            if (!self) {
                return;
            }
            self->m_members = group.members;
            // Shares that arrived first are labelled again with what the group knows of them.
            if (self->m_sharesLoaded) {
                self->showShares(self->m_shares);
            } else {
                self->rebuildCombo();
            }
            self->finishLoad();
        });
    });
}

void ShareMembersDialog::loadShares()
{
    ++m_pending;
    m_sharesLoaded = false;
    m_list->clear();
    auto *loading = new QListWidgetItem(tr("Loading..."), m_list);
    loading->setFlags(Qt::NoItemFlags);
    QPointer<ShareMembersDialog> self(this);
    m_backend->listMembers(m_accountId, [self](const QList<ShareMember> &shares) {
        if (self) {
            self->showShares(shares);
            self->finishLoad();
        }
    });
}

const GroupMember *ShareMembersDialog::groupMember(const QString &userId) const
{
    for (const GroupMember &member : m_members) {
        if (member.accountId == userId) {
            return &member;
        }
    }
    return nullptr;
}

QString ShareMembersDialog::labelFor(const ShareMember &share) const
{
    QString name = share.displayName;
    QString mail = share.email;
    if (const GroupMember *member = groupMember(share.userId)) {
        if (name.isEmpty()) {
            name = member->displayName;
        }
        if (mail.isEmpty()) {
            mail = member->email;
        }
    }
    if (!name.isEmpty() && !mail.isEmpty()) {
        return QStringLiteral("%1 (%2)").arg(name, mail);
    }
    if (!name.isEmpty()) {
        return name;
    }
    return mail.isEmpty() ? share.userId : mail;
}

void ShareMembersDialog::showShares(const QList<ShareMember> &shares)
{
    m_shares = shares;
    m_sharesLoaded = true;
    m_list->clear();
    for (const ShareMember &share : shares) {
        // The owner's access is not a share: it is neither listed nor removable here.
        if (share.role == QLatin1String("owner")) {
            continue;
        }
        auto *item = new QListWidgetItem(labelFor(share), m_list);
        item->setData(Qt::UserRole, share.id);
    }
    if (m_list->count() == 0) {
        auto *empty = new QListWidgetItem(m_texts.emptyText, m_list);
        empty->setFlags(Qt::NoItemFlags);
        empty->setForeground(QColor(QStringLiteral("#888888")));
    }
    updateRemoveButton();
    rebuildCombo();
}

void ShareMembersDialog::rebuildCombo()
{
    m_combo->clear();
    if (m_members.isEmpty()) {
        m_addRow->hide();
        m_noGroup->show();
        return;
    }
    m_noGroup->hide();
    m_addRow->show();
    for (const GroupMember &member : std::as_const(m_members)) {
        const bool sharing =
            std::any_of(m_shares.cbegin(), m_shares.cend(),
                        [&](const ShareMember &s) { return s.userId == member.accountId; });
        if (member.accountId == m_ownUserId || sharing) {
            continue;
        }
        const QString label = member.displayName.isEmpty()
                                  ? member.email
                                  : QStringLiteral("%1 (%2)").arg(member.displayName, member.email);
        m_combo->addItem(label, member.accountId);
    }
    const bool anyone = m_combo->count() > 0;
    if (!anyone) {
        m_combo->addItem(tr("All group members already added"));
        // The disabled combo still explains itself: its text stays readable in either theme.
        QPalette palette = m_combo->palette();
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, ThemeColors::muted());
        palette.setColor(QPalette::Disabled, QPalette::Text, ThemeColors::muted());
        m_combo->setPalette(palette);
    }
    m_combo->setEnabled(anyone);
    m_share->setEnabled(anyone);
}

void ShareMembersDialog::updateRemoveButton()
{
    const QListWidgetItem *item = m_list->currentItem();
    m_remove->setEnabled(item && !item->data(Qt::UserRole).toString().isEmpty());
}

void ShareMembersDialog::onAddShare()
{
    const QString userId = m_combo->currentData().toString();
    if (userId.isEmpty()) {
        return;
    }
    const QString label = m_combo->currentText();
    const QString buttonText = m_share->text();
    m_share->setEnabled(false);
    m_share->setText(tr("Sharing..."));
    QPointer<ShareMembersDialog> self(this);
    m_backend->shareWith(
        m_accountId, userId, m_texts.role,
        [self, label, buttonText](bool ok, const QString &error) {
            if (!self) {
                return;
            }
            self->m_share->setEnabled(true);
            self->m_share->setText(buttonText);
            if (ok) {
                emit self->sharingChanged();
                self->loadShares();
                return;
            }
            const QString title = self->m_texts.shareFailedTitle.isEmpty()
                                      ? self->windowTitle()
                                      : self->m_texts.shareFailedTitle;
            self->m_message(self, title,
                            error.isEmpty() ? tr("Could not share with %1.").arg(label) : error);
        });
}

void ShareMembersDialog::onRemoveSelected()
{
    const QListWidgetItem *item = m_list->currentItem();
    const QString userId = item ? item->data(Qt::UserRole).toString() : QString();
    if (userId.isEmpty()) {
        return;
    }
    if (!m_question(this, m_texts.removeConfirmTitle,
                    m_texts.removeConfirmText.arg(item->text()))) {
        return;
    }
    QPointer<ShareMembersDialog> self(this);
    m_backend->removeShare(m_accountId, userId, [self](bool ok) {
        if (!self) {
            return;
        }
        if (ok) {
            emit self->sharingChanged();
            self->loadShares();
            return;
        }
        const QString title = self->m_texts.removeFailedTitle.isEmpty()
                                  ? self->windowTitle()
                                  : self->m_texts.removeFailedTitle;
        self->m_message(self, title, tr("Could not remove share."));
    });
}

} // namespace VarnAccount
