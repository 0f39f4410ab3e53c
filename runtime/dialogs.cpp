// SPDX-License-Identifier: MIT
#include "runtime/dialogs.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include <limits>

namespace runtime {

QString ModalDialogs::textPrompt(const QString &prompt, const QString &title,
                                 const QString &defaultText)
{
    QInputDialog dialog;
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    // A line edit stops at 32767 characters by default; a name is taken
    // whole, however long.
    if (auto *field = dialog.findChild<QLineEdit *>())
        field->setMaxLength(std::numeric_limits<int>::max());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

static void showMessageBox(QMessageBox::Icon icon, const QString &text, const QString &title)
{
    // Plain text: a message can carry whatever name the player typed.
    QMessageBox box(icon, title, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void ModalDialogs::message(const QString &text, const QString &title)
{
    showMessageBox(QMessageBox::NoIcon, text, title);
}

void ModalDialogs::errorMessage(const QString &text)
{
    showMessageBox(QMessageBox::Critical, text, QCoreApplication::applicationName());
}

} // namespace runtime
