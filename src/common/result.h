#pragma once

#include <QString>

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

// Why an operation gave no result: the message the user sees.
struct Failure
{
    QString message;
    bool missing = false; // a file that is not there, which some readers take as empty
};

// The one shape of an outcome: a value, or the failure instead. Result<>
// carries no value; it only says done or why not.
template <typename T = std::monostate> class [[nodiscard]] Result
{
public:
    Result() requires std::is_same_v<T, std::monostate> : m_value(T()) {}
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_failure(std::move(failure)) {}

    explicit operator bool() const { return m_value.has_value(); }
    const T& operator*() const { return *m_value; }
    T& operator*() { return *m_value; }
    const T* operator->() const { return &*m_value; }
    const QString& error() const { return m_failure.message; }
    bool missing() const { return m_failure.missing; }
    const Failure& failure() const { return m_failure; }

private:
    std::optional<T> m_value;
    Failure m_failure;
};
