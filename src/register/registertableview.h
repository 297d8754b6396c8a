#pragma once

#include <QTableView>

class RegisterScreen;

// The register's table: Tab moves between the fields of the line being edited, never into other
// widgets, and the balance column is never a cursor stop.
class RegisterTableView final : public QTableView
{
    Q_OBJECT

public:
    explicit RegisterTableView(RegisterScreen *screen, QWidget *parent = nullptr);

    // Fixed widths for the date, number, amount and mark columns; the texts share the rest.
    void sizeColumns();
    // The field after (or before) `column` in the order Enter and Tab take, skipping hidden
    // columns; -1 past the last (first) one. From a column that is no field: the first (last).
    int nextField(int column, bool forward) const;

    bool isEditing() const { return state() == EditingState; }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    bool focusInPayeeMemoEditor() const;

    RegisterScreen *m_screen;
};
