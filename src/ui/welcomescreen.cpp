#include "welcomescreen.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QFont scaled(int delta, QFont::Weight weight)
{
    QFont font = QApplication::font();
    font.setPointSizeF(std::max(7.0, font.pointSizeF() + delta));
    font.setWeight(weight);
    return font;
}

} // namespace

WelcomeScreen::WelcomeScreen(QWidget *parent)
    : QWidget(parent)
    , m_auth(new QPushButton(this))
    , m_continue(new QPushButton(tr("Continue Without an Account"), this))
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);
    auto *content = new QWidget(scroll);
    auto *column = new QVBoxLayout(content);
    column->setAlignment(Qt::AlignCenter);
    auto *icon = new QLabel(content);
    icon->setPixmap(QApplication::windowIcon().pixmap(256).scaled(64, 64, Qt::KeepAspectRatio,
                                                                  Qt::SmoothTransformation));
    icon->setAlignment(Qt::AlignCenter);
    auto *title = new QLabel(tr("Varnaby Ledgerwell"), content);
    title->setFont(scaled(8, QFont::DemiBold));
    title->setAlignment(Qt::AlignCenter);
    auto *tagline = new QLabel(tr("Your finances, everywhere."), content);
    tagline->setFont(scaled(1, QFont::Medium));
    tagline->setAlignment(Qt::AlignCenter);
    m_auth->setFlat(true);
    m_auth->setCursor(Qt::PointingHandCursor);
    m_auth->setStyleSheet(QStringLiteral("color: #4DB6AC;"));
    auto *hint = new QLabel(tr("Opens in your web browser"), content);
    hint->setFont(scaled(-2, QFont::Normal));
    hint->setAlignment(Qt::AlignCenter);
    m_continue->setCursor(Qt::PointingHandCursor);
    m_continue->setMinimumHeight(36);
    m_continue->setStyleSheet(
        QStringLiteral("QPushButton {  background-color: %1;  color: white;  border: none;  "
                       "border-radius: 4px;  padding: 6px 16px;  font-weight: 600;  min-width: "
                       "80px;}QPushButton:hover {  background-color: #00796B;}QPushButton:pressed "
                       "{  background-color: #004D40;}")
            .arg(QStringLiteral("#00897B")));
    column->addStretch();
    column->addWidget(icon);
    column->addWidget(title);
    column->addWidget(tagline);
    column->addSpacing(32);
    column->addWidget(m_auth, 0, Qt::AlignCenter);
    column->addWidget(hint);
    column->addSpacing(8);
    column->addWidget(m_continue, 0, Qt::AlignCenter);
    column->addStretch();
    scroll->setWidget(content);
    connect(m_auth, &QPushButton::clicked, this,
            [this] { emit(m_signedIn ? signOutRequested() : signInRequested()); });
    connect(m_continue, &QPushButton::clicked, this, &WelcomeScreen::dismissRequested);
    updateAuthUI(false);
}

void WelcomeScreen::updateAuthUI(bool signedIn)
{
    m_signedIn = signedIn;
    m_auth->setText(signedIn ? tr("Sign Out") : tr("Already have an account? Sign In"));
}
