#pragma once

#include <QCompleter>

class QComboBox;

// Completion for the register's payee and category editors: case-insensitive, matching
// anywhere, in a popup. Tab (or Shift+Tab) on the open popup takes the highlighted completion and
// moves on to the next (previous) field.
class TabCompleter final : public QCompleter
{
    Q_OBJECT

public:
    TabCompleter(const QStringList &items, QObject *parent);
    // Completes over the combo's own items; choosing one selects it.
    explicit TabCompleter(QComboBox *combo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void configure();
    void takeCompletion(const QString &text);
    void moveOn(bool forward);

    QComboBox *m_combo = nullptr;
};
