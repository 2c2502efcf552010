#pragma once

#include "model/text.h"

#include <utility>
#include <variant>

namespace voltaro {

// Why something could not be done, for the user: the reason alone ("No space left on device",
// "'x' is not a valid integer value"). Whoever tells the user words the message around it once,
// naming the file or the circuit. An action that has nothing to give back returns
// std::optional<Failure>: nothing when it was done.
struct Failure {
    Text reason;
};

// What a read gives: its value, or the failure that kept it from having one.
template <typename T> class Outcome {
public:
    Outcome(T value) : m_result(std::move(value)) {}
    Outcome(Failure failure) : m_result(std::move(failure)) {}

    explicit operator bool() const { return std::holds_alternative<T>(m_result); }
    T& operator*() { return std::get<T>(m_result); }
    const T& operator*() const { return std::get<T>(m_result); }
    const T* operator->() const { return &std::get<T>(m_result); }
    const Failure& failure() const { return std::get<Failure>(m_result); }

private:
    std::variant<T, Failure> m_result;
};

} // namespace voltaro
