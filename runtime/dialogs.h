// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/task.h"

#include <QString>

namespace runtime {

// The program's modal dialogs. Each is answered when it closes: the handler
// that shows one awaits its task, and no event loop runs inside it. Every
// text is shown as plain text, exactly as given.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A one-line text field under a prompt; gives the field's text, or an
    // empty text when the dialog is cancelled or closed.
    virtual Task<QString> textPrompt(QString prompt, QString title, QString defaultText) = 0;
    // A message with an OK button alone.
    virtual Task<> message(QString text, QString title) = 0;
    // The report of an error that stopped an event handler.
    virtual Task<> errorMessage(QString text) = 0;
};

// The dialogs a real run shows, on Qt's standard dialogs.
class ModalDialogs final : public Dialogs
{
public:
    Task<QString> textPrompt(QString prompt, QString title, QString defaultText) override;
    Task<> message(QString text, QString title) override;
    Task<> errorMessage(QString text) override;
};

} // namespace runtime
