// SPDX-License-Identifier: MIT
#pragma once

#include "fakes/text.h"
#include "runtime/frontend.h"
#include "runtime/task.h"

#include <QStringList>

#include <functional>
#include <type_traits>
#include <utility>

// Answers the dialogs at once and writes down what was shown, in order.
class ScriptedDialogs
{
public:
    QStringList log;
    // The name prompt's answers, in turn; once they run out it is accepted
    // as it opens.
    QStringList names;
    // Runs while a dialog is open, before it is answered.
    std::function<void()> whileOpen;
    // Whether the dialogs stay open, never answered: only the end of the
    // handler awaiting one takes it away.
    bool leaveOpen = false;

    runtime::Task<std::u16string> prompt(std::u16string question, std::u16string title,
                                         std::u16string defaultText)
    {
        log << QStringLiteral("prompt %1: %2 [%3]").arg(q(title), q(question), q(defaultText));
        co_await open();
        co_return names.isEmpty() ? defaultText : names.takeFirst().toStdU16String();
    }
    runtime::Task<> message(runtime::MessageKind kind, std::u16string text, std::u16string title)
    {
        if (kind == runtime::MessageKind::Error)
            log << QStringLiteral("error %1: %2").arg(q(title), q(text));
        else
            log << QStringLiteral("message %1: %2").arg(q(title), q(text));
        co_await open();
    }

private:
    struct Open
    {
        bool never;
        bool await_ready() const noexcept { return !never; }
        void await_suspend(runtime::coro::coroutine_handle<>) const noexcept {}
        void await_resume() const noexcept {}
    };
    Open open()
    {
        if (whileOpen)
            whileOpen();
        return {leaveOpen};
    }
};

// A front end whose dialogs are answered as scripted. Where the front end has
// dialogs of its own (it is no bare seam), realDialogs shows those instead.
template <typename FrontEndBase> class ScriptedDialogsOn : public FrontEndBase
{
public:
    using FrontEndBase::FrontEndBase;

    ScriptedDialogs dialogs;
    bool realDialogs = false;

    runtime::Task<std::u16string> prompt(std::u16string question, std::u16string title,
                                         std::u16string defaultText) override
    {
        if constexpr (!std::is_abstract_v<FrontEndBase>) {
            if (realDialogs)
                return FrontEndBase::prompt(std::move(question), std::move(title),
                                            std::move(defaultText));
        }
        return dialogs.prompt(std::move(question), std::move(title), std::move(defaultText));
    }
    runtime::Task<> message(runtime::MessageKind kind, std::u16string text,
                            std::u16string title) override
    {
        if constexpr (!std::is_abstract_v<FrontEndBase>) {
            if (realDialogs)
                return FrontEndBase::message(kind, std::move(text), std::move(title));
        }
        return dialogs.message(kind, std::move(text), std::move(title));
    }
};
