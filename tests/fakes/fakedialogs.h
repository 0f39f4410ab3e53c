// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/dialogs.h"

#include <QString>
#include <QStringList>

#include <functional>

// Answers the dialogs at once and writes down what was shown, in order.
class FakeDialogs final : public runtime::Dialogs
{
public:
    QStringList log;
    // The name prompt's answers, in turn; once they run out it is accepted
    // as it opens.
    QStringList names;
    // Runs while a dialog is open, before it is answered.
    std::function<void()> whileOpen;

    runtime::Task<QString> textPrompt(QString prompt, QString title, QString defaultText) override
    {
        log << QStringLiteral("prompt %1: %2 [%3]").arg(title, prompt, defaultText);
        open();
        co_return names.isEmpty() ? defaultText : names.takeFirst();
    }
    runtime::Task<> message(QString text, QString title) override
    {
        log << QStringLiteral("message %1: %2").arg(title, text);
        open();
        co_return;
    }
    runtime::Task<> errorMessage(QString text) override
    {
        log << QStringLiteral("error: %1").arg(text);
        open();
        co_return;
    }

private:
    void open()
    {
        if (whileOpen)
            whileOpen();
    }
};
