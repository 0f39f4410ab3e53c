// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/task.h"

#include <QMessageBox>
#include <QString>

namespace runtime::qt {

// Qt's standard dialogs, modal to the whole program, each answered through its
// finished() signal rather than a nested event loop. Every text is shown as
// plain text, exactly as given.

// Gives the field's text, or an empty text when the dialog is cancelled or
// closed.
Task<QString> textPrompt(QString prompt, QString title, QString defaultText);
// A message with an OK button alone.
Task<> messageBox(QMessageBox::Icon icon, QString text, QString title);

} // namespace runtime::qt
