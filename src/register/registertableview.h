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
