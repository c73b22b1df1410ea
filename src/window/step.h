// A step: work that may wait (for a sound to end, for time to pass, for queued input to run)
// without holding the event loop. Written as a coroutine returning Step; awaiting a step runs it
// and resumes the awaiting one when it is done. A step starts only when it is awaited or handed
// to the event loop, and a step that is dropped takes every step it awaits with it.
//
// A step that ends without waiting hands back to its caller by returning, not by resuming it:
// a loop that awaits many such steps (a drawing lets events run after every segment) then runs
// in constant stack, with or without the compiler's tail calls.
#pragma once

#include <coroutine>
#include <exception>
#include <utility>

namespace quorrel {

class [[nodiscard]] Step {
  public:
    struct promise_type {
        std::coroutine_handle<> continuation = std::noop_coroutine();
        bool awaited_inline = false;  // the awaiting step is still inside await_suspend

        Step get_return_object() {
            return Step(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        struct Finish {
            bool await_ready() noexcept { return false; }
            std::coroutine_handle<> await_suspend(
                std::coroutine_handle<promise_type> done) noexcept {
                promise_type& promise = done.promise();
                if (promise.awaited_inline) return std::noop_coroutine();
                return promise.continuation;
            }
            void await_resume() noexcept {}
        };
        Finish final_suspend() noexcept { return {}; }
        void return_void() {}
        void unhandled_exception() { std::terminate(); }
    };

    Step() = default;
    Step(Step&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Step& operator=(Step&& other) noexcept {
        if (this != &other) {
            Drop();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;
    ~Step() { Drop(); }

    bool Done() const { return !handle_ || handle_.done(); }
    // Runs the step until it first waits or ends (the event loop's side).
    void Start() {
        if (!Done()) handle_.resume();
    }

    bool await_ready() const noexcept { return Done(); }
    bool await_suspend(std::coroutine_handle<> awaiting) noexcept {
        promise_type& promise = handle_.promise();
        promise.continuation = awaiting;
        promise.awaited_inline = true;
        handle_.resume();
        if (handle_.done()) return false;  // ended without waiting: the caller goes on
        promise.awaited_inline = false;    // it waits; it resumes the caller when it ends
        return true;
    }
    void await_resume() const noexcept {}

  private:
    explicit Step(std::coroutine_handle<promise_type> handle) : handle_(handle) {}
    void Drop() {
        if (handle_) handle_.destroy();
        handle_ = {};
    }

    std::coroutine_handle<promise_type> handle_;
};

// A step that has nothing to wait for.
inline Step NoStep() { co_return; }

}  // namespace quorrel
