#pragma once

#include <QComboBox>

// The register's category editor: an editable combo whose line edit behaves like the other cells.
// Its list, and the completion list of what is typed, are as wide as the longest category
// ("Housing > Rent/Mortgage"), not as narrow as the cell.
class RegisterComboBox final : public QComboBox
{
    Q_OBJECT

public:
    explicit RegisterComboBox(QWidget *parent = nullptr);

    // The width that shows the longest item in full, at most the screen's width.
    int popupWidth() const;
    void setCompleter(QCompleter *completer);
    void showPopup() override;
};
