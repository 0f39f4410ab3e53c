// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/handlers.h"
#include "runtime/task.h"

#include <QTest>

#include <optional>

namespace detail {
template <typename T> runtime::Task<> keep(runtime::Task<T> task, std::optional<T> *result)
{
    *result = co_await std::move(task);
}
inline runtime::Task<> keep(runtime::Task<> task, std::optional<bool> *result)
{
    co_await std::move(task);
    *result = true;
}
} // namespace detail

// Runs a task as a test waits for one, the event loop going on meanwhile;
// gives what it gave, or nothing if it was not over within 5 s.
template <typename T, typename Result = std::conditional_t<std::is_void_v<T>, bool, T>>
std::optional<Result> awaited(runtime::Task<T> task)
{
    std::optional<Result> result;
    runtime::Handlers handlers;
    handlers.run(detail::keep(std::move(task), &result));
    if (!QTest::qWaitFor([&] { return result.has_value(); }, 5000))
        return std::nullopt;
    return result;
}
