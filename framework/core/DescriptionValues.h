// Conversions of stored property values (TDescriptionValue) to the types the components use.
// A value of the wrong kind, an unknown identifier or an out-of-range number throws
// EPropertyError, naming what was expected and what was found. Portable.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "framework/core/Description.h"
#include "gfx/Set.h"
#include "gfx/Color.h"

class EPropertyError : public EDescriptionError {
 public:
  using EDescriptionError::EDescriptionError;
};

// Throws EPropertyError unless Value is of the kind Expected.
void RequireKind(const TDescriptionValue& Value, TDescriptionValue::TKind Expected);

int AsInteger(const TDescriptionValue& Value);
std::wstring AsString(const TDescriptionValue& Value);
bool AsBoolean(const TDescriptionValue& Value);
// An integer (the colour as stored) or a colour name such as clBtnFace or clMoneyGreen.
TColor AsColor(const TDescriptionValue& Value);
// The identifier of an enumeration or set value (for callers that map it themselves).
std::wstring AsIdentifier(const TDescriptionValue& Value);

[[noreturn]] void ThrowUnknownIdentifier(std::wstring_view Identifier);

template <class E>
using TEnumNames = std::initializer_list<std::pair<std::wstring_view, E>>;

template <class E>
E AsEnum(const TDescriptionValue& Value, TEnumNames<E> Names) {
  const std::wstring Identifier = AsIdentifier(Value);
  for (const auto& [Name, Item] : Names) {
    if (Name == Identifier) return Item;
  }
  ThrowUnknownIdentifier(Identifier);
}

// A set value: every identifier must be one of Names.
template <class E>
TSet<E> AsSet(const TDescriptionValue& Value, TEnumNames<E> Names) {
  RequireKind(Value, TDescriptionValue::TKind::Set);
  TSet<E> Result;
  for (const std::wstring& Identifier : Value.SetItems) {
    bool Known = false;
    for (const auto& [Name, Item] : Names) {
      if (Name == Identifier) {
        Result.Include(Item);
        Known = true;
      }
    }
    if (!Known) ThrowUnknownIdentifier(Identifier);
  }
  return Result;
}
