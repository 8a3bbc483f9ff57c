#pragma once

#include <cstdint>
#include <vector>

namespace kes {

class TObject;

// Published properties. A class lists its published properties itself (TPersistent::
// GetPropList), ancestors' first, in the order they are declared; this is the type
// information that property walks read.

enum TTypeKind {
    tkUnknown,
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkString,
    tkSet,
    tkClass,
    tkMethod,
    tkWChar,
    tkLString,
    tkWString,
    tkVariant,
    tkArray,
    tkRecord,
    tkInterface,
    tkInt64,
    tkDynArray,
};

// A set of type kinds, one bit per kind.
using TTypeKinds = std::uint32_t;
constexpr TTypeKinds KindBit(TTypeKind kind) {
    return TTypeKinds(1) << kind;
}
constexpr TTypeKinds tkAny = (TTypeKinds(1) << (tkDynArray + 1)) - 1;
constexpr TTypeKinds tkProperties = tkAny & ~KindBit(tkMethod);

struct TTypeInfo {
    TTypeKind kind;
    const char* name; // "TColor", "TFontStyles", "TStrings"
};

// One published property. Object properties have GetObject; ordinal ones (integers,
// enumerations, sets, characters) have GetOrdinal and, unless read-only, SetOrdinal.
struct TPropInfo {
    const char* name;
    TTypeInfo type;
    TObject* (*GetObject)(TObject* instance) = nullptr;
    std::int64_t (*GetOrdinal)(TObject* instance) = nullptr;
    void (*SetOrdinal)(TObject* instance, std::int64_t value) = nullptr;
};

using TPropList = std::vector<const TPropInfo*>;

namespace propinfo_detail {
template <class T> struct MemberClass;
template <class C, class R> struct MemberClass<R (C::*)()> { using Class = C; };
template <class C, class R> struct MemberClass<R (C::*)() const> { using Class = C; };
template <class C, class A> struct MemberClass<void (C::*)(A)> { using Class = C; };
template <auto Member> using ClassOf = typename MemberClass<decltype(Member)>::Class;
} // namespace propinfo_detail

// ObjectProperty<&TFoo::Font>("Font", "TFont") describes the object property Font of TFoo.
template <auto Getter> constexpr TPropInfo ObjectProperty(const char* name, const char* typeName) {
    using C = propinfo_detail::ClassOf<Getter>;
    TPropInfo info{name, {tkClass, typeName}};
    info.GetObject = [](TObject* instance) -> TObject* {
        return (static_cast<C*>(instance)->*Getter)();
    };
    return info;
}

// OrdinalProperty<&TFoo::Color, &TFoo::SetColor>("Color", tkInteger, "TColor").
template <auto Getter, auto Setter>
constexpr TPropInfo OrdinalProperty(const char* name, TTypeKind kind, const char* typeName) {
    using C = propinfo_detail::ClassOf<Getter>;
    using S = propinfo_detail::ClassOf<Setter>;
    TPropInfo info{name, {kind, typeName}};
    info.GetOrdinal = [](TObject* instance) -> std::int64_t {
        return static_cast<std::int64_t>((static_cast<C*>(instance)->*Getter)());
    };
    info.SetOrdinal = [](TObject* instance, std::int64_t value) {
        using Arg = decltype((static_cast<C*>(instance)->*Getter)());
        (static_cast<S*>(instance)->*Setter)(static_cast<Arg>(value));
    };
    return info;
}

} // namespace kes
