#pragma once

#include "accountprompts.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QStackedWidget;
class QTimer;

namespace VarnAccount {

class AccountDevicesPage;
class AccountGroupPage;
class AccountPage;
class AccountPrivacyPage;
class AccountProfilePage;
class AccountSecurityPage;
class Client;

// The signed-in user's account: profile and password, group, devices, sessions, and account
// deletion, one page each, chosen in the list at the left; results show in the status line at
// the bottom.
class AccountScreen final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountScreen)

public:
    enum Tab
    {
        ProfileTab = 0,
        GroupTab = 1,
        DevicesTab = 2,
        SecurityTab = 3,
        PrivacyTab = 4
    };

    explicit AccountScreen(Client *client, QWidget *parent = nullptr);

    // Every page asks the server again.
    void refresh();
    void showTab(int tab);
    int currentTab() const;
    void setPrompts(const AccountPrompts &prompts) { m_prompts = prompts; }
    // Re-reads the theme's colours.
    void restyle();

    QListWidget *navigation() const { return m_navigation; }
    QLabel *statusLine() const { return m_status; }
    AccountProfilePage *profilePage() const { return m_profile; }
    AccountGroupPage *groupPage() const { return m_group; }
    AccountDevicesPage *devicesPage() const { return m_devices; }
    AccountSecurityPage *securityPage() const { return m_security; }
    AccountPrivacyPage *privacyPage() const { return m_privacy; }

signals:
    void logoutRequested();

private slots:
    void showStatus(const QString &text, bool error);

private:
    QWidget *buildNavigation();
    void addPage(AccountPage *page);

    Client *m_client;
    AccountPrompts m_prompts;
    QListWidget *m_navigation = nullptr;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_status = nullptr;
    QTimer *m_statusTimer = nullptr;
    AccountProfilePage *m_profile = nullptr;
    AccountGroupPage *m_group = nullptr;
    AccountDevicesPage *m_devices = nullptr;
    AccountSecurityPage *m_security = nullptr;
    AccountPrivacyPage *m_privacy = nullptr;
};

} // namespace VarnAccount
