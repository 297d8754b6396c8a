#pragma once

#include "register/prompts.h"

#include <QLineEdit>

#include <functional>
#include <optional>

namespace VarnAccount {

// How the account screen asks for a line of text, asks a question and tells the user something;
// tests replace these to answer in the user's place.
struct AccountPrompts
{
    // No value when the user cancelled.
    using TextInput = std::function<std::optional<QString>(
        QWidget *parent, const QString &title, const QString &label, QLineEdit::EchoMode mode,
        const QString &text)>;

    TextInput input;
    Prompts::Question question;
    Prompts::Message information;

    // QInputDialog and QMessageBox.
    static AccountPrompts standard();
};

} // namespace VarnAccount
