#include "accountpage.h"

#include "account/client.h"
#include "account/tokenclaims.h"
#include "account/tokenmanager.h"
#include "register/themecolors.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace VarnAccount {

AccountPage::AccountPage(const QString &title, Client *client, const AccountPrompts *prompts,
                         QWidget *parent)
    : QWidget(parent)
    , m_client(client)
    , m_prompts(prompts)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(24, 20, 24, 12);
    m_layout->setSpacing(8);
    auto *heading = new QLabel(title, this);
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() + 4);
    font.setWeight(QFont::DemiBold);
    heading->setFont(font);
    m_layout->addWidget(heading);
    clearContent();
}

QVBoxLayout *AccountPage::clearContent()
{
    if (m_body) {
        // Out of the page at once (a button of it may be running its click), deleted later.
        m_layout->removeWidget(m_body);
        m_body->hide();
        m_body->setParent(nullptr);
        m_body->deleteLater();
    }
    m_body = new QWidget(this);
    m_content = new QVBoxLayout(m_body);
    m_content->setContentsMargins(0, 0, 0, 0);
    m_content->setSpacing(8);
    m_layout->insertWidget(1, m_body);
    if (m_layout->count() == 2) {
        m_layout->addStretch(1);
    }
    return m_content;
}

QLabel *AccountPage::addSection(const QString &heading)
{
    auto *label = new QLabel(heading, m_body);
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() + 1);
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    label->setContentsMargins(0, 8, 0, 0);
    m_content->addWidget(label);
    return label;
}

QLabel *AccountPage::addText(const QString &text)
{
    auto *label = new QLabel(text, m_body);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(ThemeColors::muted().name()));
    m_content->addWidget(label);
    return label;
}

QHBoxLayout *AccountPage::addRow(const QStringList &lines)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(12);
    auto *column = new QVBoxLayout;
    column->setSpacing(2);
    for (const QString &line : lines) {
        auto *label = new QLabel(line, m_body);
        label->setTextFormat(Qt::AutoText);
        column->addWidget(label);
    }
    row->addLayout(column, 1);
    m_content->addLayout(row);
    return row;
}

QPushButton *AccountPage::addButton(const QString &text, QHBoxLayout *row)
{
    auto *button = new QPushButton(text, m_body);
    if (row) {
        row->addWidget(button, 0, Qt::AlignVCenter);
    } else {
        auto *line = new QHBoxLayout;
        line->addWidget(button);
        line->addStretch(1);
        m_content->addLayout(line);
    }
    return button;
}

bool AccountPage::isGroupOwner() const
{
    return TokenClaims::groupRole(m_client->tokenManager()->accessToken()) ==
           QLatin1String("owner");
}

} // namespace VarnAccount
