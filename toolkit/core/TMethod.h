#pragma once

#include <utility>

namespace kes {

class TObject;

// A bound method reference: an object and one of its member functions. Two references are
// equal when they name the same member function of the same object, which is what listener
// lists need to remove exactly the handler that was added. The "code" is a thunk unique to
// the member function, so comparing it compares the member functions.
template <class Sig> class TMethod;

template <class R, class... Args> class TMethod<R(Args...)> {
public:
    using Code = R (*)(void*, Args...);

    TMethod() = default;
    TMethod(Code code, void* data) : code_(code), data_(data) {}

    template <auto Member, class C> static TMethod Of(C* object) {
        Code code = [](void* data, Args... args) -> R {
            return (static_cast<C*>(data)->*Member)(std::forward<Args>(args)...);
        };
        return TMethod(code, object);
    }

    // A plain function, for handlers that belong to no object.
    template <R (*Function)(Args...)> static TMethod OfFunction() {
        Code code = [](void*, Args... args) -> R { return Function(std::forward<Args>(args)...); };
        return TMethod(code, nullptr);
    }

    explicit operator bool() const { return code_ != nullptr; }
    R operator()(Args... args) const { return code_(data_, std::forward<Args>(args)...); }

    Code CodePtr() const { return code_; }
    void* Data() const { return data_; }

    friend bool operator==(const TMethod& a, const TMethod& b) {
        return a.code_ == b.code_ && a.data_ == b.data_;
    }

private:
    Code code_ = nullptr;
    void* data_ = nullptr;
};

template <class T> struct TMemberSignature;
template <class C, class R, class... Args> struct TMemberSignature<R (C::*)(Args...)> {
    using Class = C;
    using Type = R(Args...);
};

// MethodOf<&TFoo::Bar>(foo) binds foo's Bar. The object is taken as the class that declares
// the member, so binding through a derived pointer gives an equal reference.
template <auto Member, class C> auto MethodOf(C* object) {
    using Traits = TMemberSignature<decltype(Member)>;
    using Declaring = typename Traits::Class;
    return TMethod<typename Traits::Type>::template Of<Member>(static_cast<Declaring*>(object));
}

// The event type of OnChange and its kin: called with the sender.
using TNotifyEvent = TMethod<void(TObject*)>;

} // namespace kes
