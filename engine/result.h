// SPDX-License-Identifier: MIT
#pragma once

// What a function that can fail gives back: its value, or the reason it has none. Plain
// C++, so that every layer reports its failures the same way.
//
//     engine::Result<Roster, RosterError> read = readRoster(path);
//     if (!read)
//         return complain(read.error());
//     show(*read);
//
// A failing function says `return engine::Failure {why};`. Asking a result for the half
// it does not hold throws (std::bad_variant_access, std::bad_optional_access).

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace engine {

/// The reason half of a Result, spelled out where a function fails.
template <class E> struct Failure
{
    E error;
};
template <class E> Failure(E) -> Failure<E>;

template <class T, class E> class [[nodiscard]] Result
{
public:
    Result(T value)
        : m_state(std::in_place_index<0>, std::move(value))
    { }
    template <class F>
    requires std::is_convertible_v<F, E> Result(Failure<F> failure)
        : m_state(std::in_place_index<1>, std::move(failure.error))
    { }

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T &value() const & { return std::get<0>(m_state); }
    T &value() & { return std::get<0>(m_state); }
    T &&value() && { return std::get<0>(std::move(m_state)); }
    const T &operator*() const & { return value(); }
    T &operator*() & { return value(); }
    T &&operator*() && { return std::move(*this).value(); }
    const T *operator->() const { return &value(); }
    T *operator->() { return &value(); }
    template <class U> T value_or(U &&fallback) const &
    {
        return ok() ? value() : static_cast<T>(std::forward<U>(fallback));
    }

    const E &error() const { return std::get<1>(m_state); }

private:
    // By index, so that a value and a reason of one type (two strings) stay apart.
    std::variant<T, E> m_state;
};

/// Success without a value: `return {};`.
template <class E> class [[nodiscard]] Result<void, E>
{
public:
    Result() = default;
    template <class F>
    requires std::is_convertible_v<F, E> Result(Failure<F> failure)
        : m_error(std::move(failure.error))
    { }

    bool ok() const { return !m_error; }
    explicit operator bool() const { return ok(); }

    const E &error() const { return m_error.value(); }

private:
    std::optional<E> m_error;
};

} // namespace engine
