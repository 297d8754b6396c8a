#include "registercombobox.h"

#include "registerlineedit.h"

RegisterComboBox::RegisterComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setLineEdit(new RegisterLineEdit(this));
    setFocusPolicy(Qt::ClickFocus);
}
