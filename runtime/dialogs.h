// SPDX-License-Identifier: MIT
#pragma once

class QString;

namespace runtime {

// The program's modal dialogs. Each runs its own event loop and returns when
// it is closed. Every text is shown as plain text, exactly as given.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A one-line text field under a prompt; returns the field's text, or an
    // empty text when the dialog is cancelled or closed.
    virtual QString textPrompt(const QString &prompt, const QString &title,
                               const QString &defaultText) = 0;
    // A message with an OK button alone.
    virtual void message(const QString &text, const QString &title) = 0;
    // The report of an error that stopped an event handler.
    virtual void errorMessage(const QString &text) = 0;
};

// The dialogs a real run shows, on Qt's standard dialogs.
class ModalDialogs final : public Dialogs
{
public:
    QString textPrompt(const QString &prompt, const QString &title,
                       const QString &defaultText) override;
    void message(const QString &text, const QString &title) override;
    void errorMessage(const QString &text) override;
};

} // namespace runtime
