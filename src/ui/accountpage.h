#pragma once

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace VarnAccount {

class Client;
struct AccountPrompts;

// One page of the account screen: its title, then content that the page builds again from each
// answer of the server. Results are reported through `status`, which the screen shows in its
// status line.
class AccountPage : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AccountPage)

public:
    AccountPage(const QString &title, Client *client, const AccountPrompts *prompts,
                QWidget *parent = nullptr);

    // Asks the server again and rebuilds the content with the answer.
    virtual void refresh() = 0;

signals:
    void status(const QString &text, bool error);

protected:
    // Empties the content; what follows is added to the fresh layout.
    QVBoxLayout *clearContent();
    QVBoxLayout *content() const { return m_content; }
    QLabel *addSection(const QString &heading);
    QLabel *addText(const QString &text);
    // A row: a left-hand column of labels (rich text allowed), then the given trailing widgets.
    QHBoxLayout *addRow(const QStringList &lines);
    QPushButton *addButton(const QString &text, QHBoxLayout *row = nullptr);
    // The signed-in user is the owner of their group (the access token's role claim).
    bool isGroupOwner() const;

    Client *m_client;
    const AccountPrompts *m_prompts;

private:
    QVBoxLayout *m_layout;
    QWidget *m_body = nullptr;
    QVBoxLayout *m_content = nullptr;
};

} // namespace VarnAccount
