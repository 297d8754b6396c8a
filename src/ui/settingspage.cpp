#include "settingspage.h"

#include "register/themecolors.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QFont shiftedFont(qreal delta, QFont::Weight weight)
{
    QFont font = QApplication::font();
    font.setPointSizeF(std::max(7.0, font.pointSizeF() + delta));
    font.setWeight(weight);
    return font;
}

QString mutedStyle()
{
    return QStringLiteral("color: %1;").arg(ThemeColors::muted().name());
}

} // namespace

SettingsPage::SettingsPage(const QString &title, const QString &description, QWidget *parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(24, 20, 24, 20);
    m_layout->setSpacing(6);
    auto *heading = new QLabel(title, this);
    heading->setFont(shiftedFont(6, QFont::DemiBold));
    m_layout->addWidget(heading);
    if (!description.isEmpty()) {
        m_layout->addWidget(note(description, this));
    }
    m_layout->addSpacing(8);
}

QLabel *SettingsPage::note(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(shiftedFont(-2, QFont::Normal));
    label->setStyleSheet(mutedStyle());
    label->setWordWrap(true);
    return label;
}

QVBoxLayout *SettingsPage::addSection(const QString &heading, const QString &description,
                                      QWidget **section)
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 8, 0, 8);
    layout->setSpacing(6);
    if (m_sections++ > 0) {
        auto *line = new QFrame(box);
        line->setFrameShape(QFrame::HLine);
        line->setFixedHeight(1);
        m_separators << line;
        layout->addWidget(line);
    }
    auto *title = new QLabel(heading, box);
    title->setFont(shiftedFont(1, QFont::Medium));
    layout->addWidget(title);
    if (!description.isEmpty()) {
        layout->addWidget(note(description, box));
    }
    m_layout->addWidget(box);
    if (section) {
        *section = box;
    }
    restyle();
    return layout;
}

void SettingsPage::addWidget(QWidget *widget)
{
    m_layout->addWidget(widget);
}

void SettingsPage::finish()
{
    m_layout->addStretch(1);
}

void SettingsPage::restyle()
{
    const QString line =
        ThemeColors::isDark() ? QStringLiteral("#2A4038") : QStringLiteral("#D8E0DB");
    for (QWidget *separator : std::as_const(m_separators)) {
        separator->setStyleSheet(QStringLiteral("background: %1; border: none;").arg(line));
    }
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label->styleSheet().startsWith(QLatin1String("color: "))) {
            label->setStyleSheet(mutedStyle());
        }
    }
}
