#include "prompts.h"

#include <QDialog>

namespace Prompts {

Question yesNo(QMessageBox::StandardButton defaultButton, QMessageBox::Icon icon)
{
    return [defaultButton, icon](QWidget *parent, const QString &title, const QString &text) {
        const auto buttons = QMessageBox::Yes | QMessageBox::No;
        const auto answer =
            icon == QMessageBox::Warning
                ? QMessageBox::warning(parent, title, text, buttons, defaultButton)
                : QMessageBox::question(parent, title, text, buttons, defaultButton);
        return answer == QMessageBox::Yes;
    };
}

Message information()
{
    return [](QWidget *parent, const QString &title, const QString &text) {
        QMessageBox::information(parent, title, text);
    };
}

Message warning()
{
    return [](QWidget *parent, const QString &title, const QString &text) {
        QMessageBox::warning(parent, title, text);
    };
}

DialogRunner modal()
{
    return [](QDialog *dialog) { return dialog->exec() == QDialog::Accepted; };
}

} // namespace Prompts
