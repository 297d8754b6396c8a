#pragma once

#include <QLineEdit>

// A register cell editor: Enter on an open completion popup chooses the completion instead of
// also moving to the next field.
class RegisterLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit RegisterLineEdit(QWidget *parent = nullptr);

    // Keys the register handles itself (commit, delete, insert, memorize, copy from above): the
    // editor leaves them to the view.
    static bool isRegisterCommand(const QKeyEvent *event);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
