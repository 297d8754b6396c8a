#pragma once

#include <QMessageBox>

#include <functional>

class QDialog;
class QString;
class QWidget;

// How a screen asks a question, tells the user something and runs a dialog. Screens keep these
// as replaceable functions, so that tests can answer in the user's place.
namespace Prompts {

using Question = std::function<bool(QWidget *parent, const QString &title, const QString &text)>;
using Message = std::function<void(QWidget *parent, const QString &title, const QString &text)>;
using DialogRunner = std::function<bool(QDialog *dialog)>;

// Yes and No, true for Yes; the warning icon for questions whose Yes destroys something.
Question yesNo(QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
               QMessageBox::Icon icon = QMessageBox::Question);
Message information();
Message warning();
// Runs the dialog modally; true when it was accepted.
DialogRunner modal();

} // namespace Prompts
