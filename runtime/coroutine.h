// SPDX-License-Identifier: MIT
#pragma once

// The standard library's coroutine support, under one name wherever the
// program is built: Emscripten 3.1.6's C++ library has it only as the
// Coroutines TS left it, in std::experimental, which its compiler accepts.
#if __has_include(<coroutine>)
#include <coroutine>
namespace runtime::coro {
using std::coroutine_handle;
using std::suspend_always;
} // namespace runtime::coro
#else
#include <experimental/coroutine>
namespace runtime::coro {
using std::experimental::coroutine_handle;
using std::experimental::suspend_always;
} // namespace runtime::coro
#endif

namespace runtime::coro {
// Resumes a coroutine from inside another one's await_suspend. Out of line:
// LLVM 14 turns a resume that ends an await_suspend into a tail call, which
// WebAssembly cannot make without its tail-call extension.
[[gnu::noinline]] inline void resume(coroutine_handle<> coroutine)
{
    coroutine.resume();
}
} // namespace runtime::coro
