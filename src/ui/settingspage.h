#pragma once

#include <QWidget>

class QLabel;
class QVBoxLayout;

// One page of the settings window: its title, then sections each with a heading, a muted
// description and its own controls, separated by thin lines in the theme's colour.
class SettingsPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsPage)

public:
    SettingsPage(const QString &title, const QString &description, QWidget *parent = nullptr);

    // A new section; its controls go into the returned layout. The section's widget (to hide the
    // whole section) is returned through `section` when asked for.
    QVBoxLayout *addSection(const QString &heading, const QString &description,
                            QWidget **section = nullptr);
    // A widget of the page outside any section.
    void addWidget(QWidget *widget);
    // Ends the page: the sections keep their height and the rest stays empty.
    void finish();
    // Colours follow the theme: call after a theme change.
    void restyle();

    static QLabel *note(const QString &text, QWidget *parent);

private:
    QVBoxLayout *m_layout;
    QList<QWidget *> m_separators;
    int m_sections = 0;
};
