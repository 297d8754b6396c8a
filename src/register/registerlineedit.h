#pragma once

#include <QLineEdit>

// A register cell editor: Enter on an open completion popup chooses the completion instead of
// also moving to the next field.
class RegisterLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit RegisterLineEdit(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
};
