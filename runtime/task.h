// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/coroutine.h"

#include <exception>
#include <functional>
#include <optional>
#include <utility>

namespace runtime {

template <typename T> class Task;

namespace detail {

template <typename T> struct Result
{
    std::optional<T> value;
    void return_value(T result) { value = std::move(result); }
    T take() { return std::move(*value); }
};

template <> struct Result<void>
{
    void return_void() {}
    void take() {}
};

template <typename T> struct Promise : Result<T>
{
    // Who goes on once this task is over: the task that awaits it, or else
    // whoever started it on its own.
    coro::coroutine_handle<> continuation;
    std::function<void()> finished;
    std::exception_ptr exception;
    // Whether the awaiting task is still starting this one, and whether this
    // one was over before that returned: then the awaiting task goes on by
    // itself rather than being resumed from inside its own start. (A
    // WebAssembly build has no tail calls, so tasks do not hand over to each
    // other directly.)
    bool starting = false;
    bool overWhileStarting = false;

    Task<T> get_return_object();
    coro::suspend_always initial_suspend() noexcept { return {}; }
    void unhandled_exception() noexcept { exception = std::current_exception(); }

    struct FinalAwaiter
    {
        bool await_ready() const noexcept { return false; }
        void await_suspend(coro::coroutine_handle<Promise> self) noexcept
        {
            Promise &promise = self.promise();
            if (promise.starting) {
                promise.overWhileStarting = true;
            } else if (promise.continuation) {
                coro::resume(promise.continuation);
            } else {
                // Whoever started the task may destroy it from here, frame
                // and all: nothing of the frame is touched after the call.
                const std::function<void()> finished = std::move(promise.finished);
                if (finished)
                    finished();
            }
        }
        void await_resume() const noexcept {}
    };
    FinalAwaiter final_suspend() noexcept { return {}; }
};

} // namespace detail

// A handler that may wait for the answer of a dialog without a nested event
// loop: a C++20 coroutine that does nothing until it is awaited (co_await)
// or started, runs until it waits, and goes on from the event that brings the
// answer. The task owns its coroutine: destroying it ends the coroutine where
// it waits, with whatever it awaits. An exception thrown inside it goes on to
// the task that awaits it.
template <typename T = void> class [[nodiscard]] Task
{
public:
    using promise_type = detail::Promise<T>;

    Task(Task &&other) noexcept : m_handle(std::exchange(other.m_handle, {})) {}
    Task &operator=(Task other) noexcept
    {
        std::swap(m_handle, other.m_handle);
        return *this;
    }
    ~Task()
    {
        if (m_handle)
            m_handle.destroy();
    }

    // Starts the task on its own; finished runs once it is over, and may
    // destroy the task. exception() then tells of one the task let through.
    void start(std::function<void()> finished)
    {
        m_handle.promise().finished = std::move(finished);
        m_handle.resume();
    }
    std::exception_ptr exception() const { return m_handle.promise().exception; }

    auto operator co_await() &&noexcept
    {
        struct Awaiter
        {
            coro::coroutine_handle<promise_type> task;
            bool await_ready() const noexcept { return false; }
            // Runs the task; the awaiting one waits only if it is not over.
            bool await_suspend(coro::coroutine_handle<> awaiting) noexcept
            {
                promise_type &promise = task.promise();
                promise.continuation = awaiting;
                promise.starting = true;
                coro::resume(task);
                promise.starting = false;
                return !promise.overWhileStarting;
            }
            T await_resume()
            {
                if (task.promise().exception)
                    std::rethrow_exception(task.promise().exception);
                return task.promise().take();
            }
        };
        return Awaiter{m_handle};
    }

private:
    friend promise_type;
    explicit Task(coro::coroutine_handle<promise_type> handle) : m_handle(handle) {}

    coro::coroutine_handle<promise_type> m_handle;
};

template <typename T> Task<T> detail::Promise<T>::get_return_object()
{
    return Task<T>(coro::coroutine_handle<Promise>::from_promise(*this));
}

} // namespace runtime
