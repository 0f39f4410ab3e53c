// SPDX-License-Identifier: MIT
#include "runtime/web/webfrontend.h"

#include "runtime/coroutine.h"
#include "runtime/web/page.h"
#include "runtime/web/webwindow.h"

#include <emscripten/emscripten.h>
#include <functional>
#include <map>
#include <utility>

namespace runtime::web {

namespace {

WebFrontEnd *theFrontEnd = nullptr;

// A dialog of the page, open while a handler awaits it, and answered by the
// page's word. A handler ended where it waits takes its dialog away.
class Answer
{
public:
    explicit Answer(std::function<void(int id)> open) : m_open(std::move(open)) {}
    Answer(const Answer &) = delete;
    Answer &operator=(const Answer &) = delete;
    ~Answer()
    {
        if (m_id && pending().erase(m_id))
            zapgrid_dialog_close(m_id);
    }

    bool await_ready() const noexcept { return false; }
    void await_suspend(coro::coroutine_handle<> handler)
    {
        static int lastId = 0;
        m_id = ++lastId;
        m_handler = handler;
        pending()[m_id] = this;
        m_open(m_id);
    }
    std::u16string await_resume() { return std::move(m_answer); }

    static void answered(int id, std::u16string answer)
    {
        const auto found = pending().find(id);
        if (found == pending().end())
            return;
        Answer *awaiting = found->second;
        pending().erase(found);
        awaiting->m_answer = std::move(answer);
        awaiting->m_handler.resume();
    }

private:
    static std::map<int, Answer *> &pending()
    {
        static std::map<int, Answer *> answers;
        return answers;
    }

    std::function<void(int id)> m_open;
    int m_id = 0;
    coro::coroutine_handle<> m_handler;
    std::u16string m_answer;
};

} // namespace

WebFrontEnd::WebFrontEnd(std::function<void()> end) : m_end(std::move(end))
{
    theFrontEnd = this;
}

std::unique_ptr<Window> WebFrontEnd::makeWindow(const WindowTemplate &layout, WindowEvents &events)
{
    return std::make_unique<WebWindow>(++m_windows, layout, events);
}

Task<std::u16string> WebFrontEnd::prompt(std::u16string question, std::u16string title,
                                         std::u16string defaultText)
{
    co_return co_await Answer([&](int id) {
        zapgrid_prompt(id, question.data(), question.size(), title.data(), title.size(),
                       defaultText.data(), defaultText.size());
    });
}

Task<> WebFrontEnd::message(MessageKind kind, std::u16string text, std::u16string title)
{
    co_await Answer([&](int id) {
        zapgrid_message(id, int(kind), text.data(), text.size(), title.data(), title.size());
    });
}

std::chrono::nanoseconds WebFrontEnd::now() const
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::duration<double, std::milli>(zapgrid_now()));
}

void WebFrontEnd::setTimer(std::chrono::milliseconds delay, std::function<void()> due)
{
    m_due = std::move(due);
    zapgrid_set_timer(double(delay.count()));
}

void WebFrontEnd::cancelTimer()
{
    m_due = nullptr;
    zapgrid_cancel_timer();
}

void WebFrontEnd::timerDue()
{
    const std::function<void()> due = std::exchange(m_due, nullptr);
    if (due)
        due();
}

void WebFrontEnd::endProgram()
{
    // The page outlives the program: the program goes once the handler
    // that ended it has returned.
    emscripten_async_call(
        [](void *frontEnd) {
            // Ending may take this front end away, and its m_end with it.
            const std::function<void()> end = static_cast<WebFrontEnd *>(frontEnd)->m_end;
            end();
        },
        this, 0);
}

} // namespace runtime::web

// The page's events, each handed to the window or dialog it concerns.
using runtime::web::WebWindow;

extern "C" {

EMSCRIPTEN_KEEPALIVE void zapgrid_pressed(int window, int control)
{
    if (WebWindow *loaded = WebWindow::find(window))
        loaded->events().pressed(control);
}

EMSCRIPTEN_KEEPALIVE void zapgrid_menu_chosen(int window, int item)
{
    if (WebWindow *loaded = WebWindow::find(window))
        loaded->events().menuChosen(item);
}

EMSCRIPTEN_KEEPALIVE void zapgrid_prompt_answered(int dialog, const char16_t *text,
                                                  std::size_t length)
{
    runtime::web::Answer::answered(dialog, std::u16string(text, length));
}

EMSCRIPTEN_KEEPALIVE void zapgrid_message_answered(int dialog)
{
    runtime::web::Answer::answered(dialog, {});
}

EMSCRIPTEN_KEEPALIVE void zapgrid_timer_due()
{
    if (runtime::web::theFrontEnd)
        runtime::web::theFrontEnd->timerDue();
}
}
