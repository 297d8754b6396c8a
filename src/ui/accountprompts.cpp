#include "accountprompts.h"

#include <QInputDialog>

namespace VarnAccount {

AccountPrompts AccountPrompts::standard()
{
    AccountPrompts prompts;
    prompts.input = [](QWidget *parent, const QString &title, const QString &label,
                       QLineEdit::EchoMode mode, const QString &text) -> std::optional<QString> {
        bool ok = false;
        const QString answer = QInputDialog::getText(parent, title, label, mode, text, &ok);
        if (!ok) {
            return std::nullopt;
        }
        return answer;
    };
    prompts.question = Prompts::yesNo(QMessageBox::No);
    prompts.information = Prompts::information();
    return prompts;
}

} // namespace VarnAccount
