#pragma once

#include <QString>

#include <utility>
#include <variant>

// Why something could not be done, in words a message box can show.
struct Failure {
    QString reason;
};

// What a call that can fail gives back: its value, or the reason it failed. A caller
// tests it as a bool and reads error() when it is false.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Failure failure) : state_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }
    // Empty when it did not fail.
    QString error() const { return ok() ? QString() : std::get<Failure>(state_).reason; }

    const T& value() const& { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }
    const T* operator->() const { return &value(); }
    const T& operator*() const& { return value(); }

private:
    std::variant<T, Failure> state_;
};

// An action's outcome: done, or the reason it was not.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    QString error() const { return failure_.reason; }

private:
    Failure failure_;
    bool failed_ = false;
};
