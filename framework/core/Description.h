// The stored description of a form: a tree of objects, each with its class name and its
// properties in stored order. Text format (UTF-8):
//
//   object sButton1: TsButton          -- name and class; "object : TsButton" when unnamed
//     Left = 22                        -- integer (decimal, optional sign; $1F hex)
//     Caption = 'Ping Test Start'      -- string: '...' with '' for a quote, #nnn for a
//                                         UTF-16 code unit, pieces joined with +
//     Font.Style = [fsBold]            -- set of identifiers
//     Default = True                   -- identifier (True/False, enumeration, colour name)
//     Picture.Data = {0B54504E47...}   -- binary, hexadecimal, whitespace allowed
//     Lines.Strings = ('a' 'b')        -- list of values
//     InternalSkins = <                -- collection of items, each a property list
//       item
//         Name = 'FM (internal)'
//       end>
//   end
//
// Portable: no <windows.h>; the Win32 reader turns the tree into components.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct TDescriptionProperty;

struct TDescriptionValue {
  enum class TKind { Integer, String, Identifier, Set, Binary, List, Collection };
  TKind Kind = TKind::Integer;
  std::int64_t Integer = 0;
  std::wstring Text;                                     // String and Identifier
  std::vector<std::wstring> SetItems;                    // Set
  std::vector<std::uint8_t> Bytes;                       // Binary
  std::vector<TDescriptionValue> Items;                  // List
  std::vector<std::vector<TDescriptionProperty>> CollectionItems;  // Collection
};

struct TDescriptionProperty {
  std::wstring Name;  // dotted path as stored, e.g. "Font.Height"
  TDescriptionValue Value;
};

struct TDescriptionObject {
  std::wstring Name;
  std::wstring ClassName;
  std::vector<TDescriptionProperty> Properties;
  std::vector<TDescriptionObject> Children;
};

// Thrown for malformed text; says where (line) and what was expected.
class EDescriptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses one root object. Nesting is limited, so hostile input cannot exhaust the stack.
TDescriptionObject ParseDescription(std::string_view Utf8Text);
