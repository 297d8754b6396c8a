#include "registerheader.h"

#include "data/money.h"
#include "themecolors.h"

#include <QApplication>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QFont scaledFont(int delta, bool bold)
{
    QFont font = QApplication::font();
    font.setPointSizeF(std::max(7.0, font.pointSizeF() + delta));
    if (bold) {
        font.setWeight(QFont::DemiBold);
    }
    return font;
}

QString colorStyle(const QColor &color)
{
    return QStringLiteral("color: %1;").arg(color.name());
}

} // namespace

RegisterHeader::RegisterHeader(QWidget *parent)
    : QWidget(parent)
    , m_nameLabel(new QLabel(this))
    , m_subtitleLabel(new QLabel(this))
    , m_balanceLabel(new QLabel(this))
    , m_clearedLabel(new QLabel(this))
    , m_todayLabel(new QLabel(this))
    , m_reconcileButton(new QPushButton(tr("Reconcile"), this))
{
    m_nameLabel->setFont(scaledFont(8, true));
    m_nameLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_nameLabel->setMinimumWidth(QFontMetrics(m_nameLabel->font()).averageCharWidth() * 6);
    m_balanceLabel->setFont(scaledFont(4, true));
    m_balanceLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_reconcileButton->setFocusPolicy(Qt::ClickFocus);
    connect(m_reconcileButton, &QPushButton::clicked, this, &RegisterHeader::reconcileClicked);
    m_subtitleLabel->setFont(scaledFont(-2, false));
    m_subtitleLabel->hide();
    auto *details = new QHBoxLayout;
    details->setSpacing(16);
    for (QLabel *label : {m_clearedLabel, m_todayLabel}) {
        label->setFont(scaledFont(-1, false));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        details->addWidget(label);
    }
    m_todayLabel->hide();
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(0);
    layout->addWidget(m_nameLabel, 0, 0);
    layout->addWidget(m_balanceLabel, 0, 1, Qt::AlignRight);
    layout->addWidget(m_reconcileButton, 0, 2);
    layout->addWidget(m_subtitleLabel, 1, 0);
    layout->addLayout(details, 1, 1, 1, 2, Qt::AlignRight);
    layout->setColumnStretch(0, 1);
}

void RegisterHeader::setAccount(const QString &name, const QString &subtitle)
{
    m_name = name;
    elideName();
    m_subtitleLabel->setText(subtitle);
    m_subtitleLabel->setStyleSheet(colorStyle(ThemeColors::muted()));
    m_subtitleLabel->setVisible(!subtitle.isEmpty());
}

void RegisterHeader::showBalances(qint64 ending, qint64 cleared, std::optional<qint64> today,
                                  Currency currency)
{
    m_balanceLabel->setText(formatMoney(ending, currency));
    m_balanceLabel->setStyleSheet(
        colorStyle(ending < 0 ? ThemeColors::negativeAmount() : ThemeColors::positiveAmount()));
    m_clearedLabel->setText(tr("Cleared: %1").arg(formatMoney(cleared, currency)));
    m_todayLabel->setText(tr("Today: %1").arg(formatMoney(today.value_or(ending), currency)));
    for (QLabel *label : {m_clearedLabel, m_todayLabel}) {
        label->setStyleSheet(colorStyle(ThemeColors::muted()));
    }
    m_todayLabel->setVisible(today.has_value());
}

QString RegisterHeader::balanceText() const
{
    return m_balanceLabel->text();
}

QString RegisterHeader::clearedText() const
{
    return m_clearedLabel->text();
}

QString RegisterHeader::todayText() const
{
    return m_todayLabel->text();
}

bool RegisterHeader::showsToday() const
{
    return !m_todayLabel->isHidden();
}

void RegisterHeader::elideName()
{
    const QFontMetrics metrics(m_nameLabel->font());
    m_nameLabel->setText(metrics.elidedText(m_name, Qt::ElideRight, m_nameLabel->width()));
    m_nameLabel->setToolTip(m_nameLabel->text() == m_name ? QString() : m_name);
}

void RegisterHeader::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    elideName();
}
