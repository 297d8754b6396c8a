#include "accountscreen.h"

#include "accountdevicespage.h"
#include "accountgrouppage.h"
#include "accountprivacypage.h"
#include "accountprofilepage.h"
#include "accountsecuritypage.h"
#include "register/themecolors.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace VarnAccount {

namespace {

constexpr int kStatusShownMs = 8000;

QString navigationStyle()
{
    const bool dark = ThemeColors::isDark();
    return QStringLiteral(
               "QListWidget {  background: %1; border: none; padding: 12px 8px;}QListWidget::item "
               "{  padding: 8px 12px; border-radius: 6px;}QListWidget::item:hover { background: "
               "%2; }QListWidget::item:selected { background: %3; color: %4; }")
        .arg(dark ? QStringLiteral("#152420") : QStringLiteral("#F0F4F2"),
             dark ? QStringLiteral("#1E3530") : QStringLiteral("#E0EBE5"),
             dark ? QStringLiteral("#26574A") : QStringLiteral("#00897B"),
             QStringLiteral("#FFFFFF"));
}

} // namespace

AccountScreen::AccountScreen(Client *client, QWidget *parent)
    : QWidget(parent)
    , m_client(client)
    , m_prompts(AccountPrompts::standard())
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto *main = new QHBoxLayout;
    main->setSpacing(0);
    main->addWidget(buildNavigation());
    m_pages = new QStackedWidget(this);
    main->addWidget(m_pages, 1);
    outer->addLayout(main, 1);
    m_status = new QLabel(this);
    m_status->setFixedHeight(24);
    outer->addWidget(m_status);
    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    connect(m_statusTimer, &QTimer::timeout, m_status, &QLabel::clear);

    m_profile = new AccountProfilePage(client, &m_prompts);
    m_group = new AccountGroupPage(client, &m_prompts);
    m_devices = new AccountDevicesPage(client, &m_prompts);
    m_security = new AccountSecurityPage(client, &m_prompts);
    m_privacy = new AccountPrivacyPage(client, &m_prompts);
    for (AccountPage *page :
         {static_cast<AccountPage *>(m_profile), static_cast<AccountPage *>(m_group),
          static_cast<AccountPage *>(m_devices), static_cast<AccountPage *>(m_security),
          static_cast<AccountPage *>(m_privacy)}) {
        addPage(page);
    }
    connect(m_privacy, &AccountPrivacyPage::logoutRequested, this, &AccountScreen::logoutRequested);
    connect(m_navigation, &QListWidget::currentRowChanged, m_pages,
            &QStackedWidget::setCurrentIndex);
    m_navigation->setCurrentRow(0);
}

QWidget *AccountScreen::buildNavigation()
{
    m_navigation = new QListWidget(this);
    m_navigation->setFixedWidth(180);
    m_navigation->addItems(
        {tr("Profile"), tr("Group"), tr("Devices"), tr("Security"), tr("Data & Privacy")});
    m_navigation->setStyleSheet(navigationStyle());
    return m_navigation;
}

void AccountScreen::addPage(AccountPage *page)
{
    // Long lists of members or sessions scroll within the page.
    auto *scroll = new QScrollArea(m_pages);
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    m_pages->addWidget(scroll);
    connect(page, &AccountPage::status, this, &AccountScreen::showStatus);
}

void AccountScreen::refresh()
{
    m_profile->refresh();
    m_group->refresh();
    m_devices->refresh();
    m_security->refresh();
    m_privacy->refresh();
}

void AccountScreen::showTab(int tab)
{
    if (tab >= 0 && tab < m_navigation->count()) {
        m_navigation->setCurrentRow(tab);
    }
}

int AccountScreen::currentTab() const
{
    return m_navigation->currentRow();
}

void AccountScreen::restyle()
{
    m_navigation->setStyleSheet(navigationStyle());
}

void AccountScreen::showStatus(const QString &text, bool error)
{
    m_status->setStyleSheet(error ? QStringLiteral("color: #C62828; padding: 4px;")
                                  : QStringLiteral("color: #2E7D32; padding: 4px;"));
    m_status->setText(text);
    m_statusTimer->start(kStatusShownMs);
}

} // namespace VarnAccount
