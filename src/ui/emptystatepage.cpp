#include "emptystatepage.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kMuted = QStringLiteral("#6E8A7E");

QFont scaled(int delta, QFont::Weight weight)
{
    QFont font = QApplication::font();
    font.setPointSizeF(std::max(7.0, font.pointSizeF() + delta));
    font.setWeight(weight);
    return font;
}

QLabel *iconLabel(QWidget *parent)
{
    auto *label = new QLabel(QString(QChar(char16_t(0xE850))), parent);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(96);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: #4DB6AC;"));
    return label;
}

QPushButton *createButton(QWidget *parent)
{
    auto *create = new QPushButton(EmptyStatePage::tr("Create Account"), parent);
    create->setObjectName(QStringLiteral("createAccountButton"));
    create->setMinimumSize(180, 40);
    create->setCursor(Qt::PointingHandCursor);
    create->setStyleSheet(
        QStringLiteral("QPushButton {  background-color: %1;  color: white;  border: none;  "
                       "border-radius: 4px;  padding: 6px 16px;  font-weight: 600;  min-width: "
                       "80px;}QPushButton:hover {  background-color: #00796B;}QPushButton:pressed "
                       "{  background-color: #004D40;}")
            .arg(QStringLiteral("#00897B")));
    return create;
}

QPushButton *makeSignInLink(QWidget *parent)
{
    auto *link = new QPushButton(EmptyStatePage::tr("Already have an account? Sign In"), parent);
    link->setObjectName(QStringLiteral("signInLink"));
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(QStringLiteral("color: #4DB6AC;"));
    return link;
}

} // namespace

EmptyStatePage::EmptyStatePage(QWidget *parent)
    : QWidget(parent)
    , m_signIn(makeSignInLink(this))
    , m_signInHint(new QLabel(tr("Opens in your web browser"), this))
{
    auto *column = new QVBoxLayout(this);
    column->setSpacing(12);
    column->setAlignment(Qt::AlignCenter);
    auto *title = new QLabel(tr("Welcome to Varnaby Ledgerwell"), this);
    title->setFont(scaled(8, QFont::DemiBold));
    title->setAlignment(Qt::AlignCenter);
    auto *line = new QLabel(tr("Create your first account to get started."), this);
    line->setFont(scaled(1, QFont::Medium));
    line->setAlignment(Qt::AlignCenter);
    line->setStyleSheet(QStringLiteral("color: %1;").arg(kMuted));
    QPushButton *create = createButton(this);
    connect(create, &QPushButton::clicked, this, &EmptyStatePage::createAccountRequested);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(create);
    buttonRow->addStretch();
    auto *hint = new QLabel(
        tr("You can also import transactions from a CSV file via File \u203A Import."), this);
    hint->setAlignment(Qt::AlignCenter);
    hint->setStyleSheet(QStringLiteral("color: %1;").arg(kMuted));
    column->addWidget(iconLabel(this));
    column->addWidget(title);
    column->addWidget(line);
    column->addLayout(buttonRow);
    column->addWidget(hint);
    column->addSpacing(24);
    column->addWidget(m_signIn, 0, Qt::AlignCenter);
    m_signInHint->setFont(scaled(-2, QFont::Normal));
    m_signInHint->setAlignment(Qt::AlignCenter);
    m_signInHint->setStyleSheet(QStringLiteral("color: %1;").arg(kMuted));
    column->addWidget(m_signInHint);
    connect(m_signIn, &QPushButton::clicked, this, &EmptyStatePage::signInRequested);
}

void EmptyStatePage::setSignInOffered(bool offered)
{
    m_signIn->setVisible(offered);
    m_signInHint->setVisible(offered);
}
