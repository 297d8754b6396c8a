#pragma once

#include <QComboBox>

// The register's category editor: an editable combo whose line edit behaves like the other cells.
class RegisterComboBox final : public QComboBox
{
    Q_OBJECT

public:
    explicit RegisterComboBox(QWidget *parent = nullptr);
};
