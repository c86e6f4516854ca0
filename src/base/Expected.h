#pragma once

#include "base/Error.h"

#include <exception>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace vestra {

// A value or the error that stood in its way: the result every seam hands back, with the
// interface of C++23's std::expected, which the fuzz build's clang cannot use from libstdc++.
// Written for the project's own needs: no monadic operations, no assignment from an error.

template <typename E> class Unexpected {
public:
    explicit Unexpected(E error) : error_(std::move(error)) {}

    const E& error() const& noexcept { return error_; }
    E&& error() && noexcept { return std::move(error_); }

private:
    E error_;
};

template <typename E> Unexpected(E) -> Unexpected<E>;

template <typename E> Unexpected<std::decay_t<E>> unexpected(E&& error) {
    return Unexpected<std::decay_t<E>>(std::forward<E>(error));
}

// What value() throws when there is none; it carries the error.
template <typename E> class BadExpectedAccess : public std::exception {
public:
    explicit BadExpectedAccess(E error) : error_(std::move(error)) {}
    const char* what() const noexcept override { return "value() of an Expected holding an error"; }
    const E& error() const noexcept { return error_; }

private:
    E error_;
};

template <typename T, typename E = Error> class Expected {
    template <typename U>
    static constexpr bool kIsValue =
        std::is_constructible_v<T, U&&> && !std::is_same_v<std::remove_cvref_t<U>, Expected> &&
        !std::is_same_v<std::remove_cvref_t<U>, std::in_place_t>;

public:
    using value_type = T;
    using error_type = E;

    Expected() requires std::is_default_constructible_v<T> : state_(std::in_place_index<0>) {}
    template <typename U = T>
    requires kIsValue<U>
    explicit(!std::is_convertible_v<U&&, T>) Expected(U&& value)
        : state_(std::in_place_index<0>, std::forward<U>(value)) {}
    template <typename G>
    Expected(const Unexpected<G>& error) : state_(std::in_place_index<1>, error.error()) {}
    template <typename G>
    Expected(Unexpected<G>&& error) : state_(std::in_place_index<1>, std::move(error).error()) {}

    bool has_value() const noexcept { return state_.index() == 0; }
    explicit operator bool() const noexcept { return has_value(); }

    T& value() & { return checked(*this); }
    const T& value() const& { return checked(*this); }
    T&& value() && { return std::move(checked(*this)); }

    const E& error() const& noexcept { return *std::get_if<1>(&state_); }
    E& error() & noexcept { return *std::get_if<1>(&state_); }
    E&& error() && noexcept { return std::move(*std::get_if<1>(&state_)); }

    T& operator*() & noexcept { return *std::get_if<0>(&state_); }
    const T& operator*() const& noexcept { return *std::get_if<0>(&state_); }
    T&& operator*() && noexcept { return std::move(*std::get_if<0>(&state_)); }
    T* operator->() noexcept { return std::get_if<0>(&state_); }
    const T* operator->() const noexcept { return std::get_if<0>(&state_); }

    template <typename U> T value_or(U&& fallback) const& {
        return has_value() ? **this : static_cast<T>(std::forward<U>(fallback));
    }
    template <typename U> T value_or(U&& fallback) && {
        return has_value() ? std::move(**this) : static_cast<T>(std::forward<U>(fallback));
    }

private:
    template <typename Self> static auto& checked(Self& self) {
        if (!self.has_value()) {
            throw BadExpectedAccess<E>(self.error());
        }
        return *self;
    }

    std::variant<T, E> state_;
};

// Done, or the error that stopped it.
template <typename E> class Expected<void, E> {
public:
    using value_type = void;
    using error_type = E;

    Expected() = default;
    template <typename G> Expected(const Unexpected<G>& error) : error_(error.error()) {}
    template <typename G> Expected(Unexpected<G>&& error) : error_(std::move(error).error()) {}

    bool has_value() const noexcept { return !error_; }
    explicit operator bool() const noexcept { return has_value(); }
    void value() const {
        if (error_) {
            throw BadExpectedAccess<E>(*error_);
        }
    }
    void operator*() const noexcept {}

    const E& error() const& noexcept { return *error_; }
    E& error() & noexcept { return *error_; }
    E&& error() && noexcept { return std::move(*error_); }

private:
    std::optional<E> error_;
};

} // namespace vestra
