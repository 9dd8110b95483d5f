#include "framework/Cursors.h"

#include "framework/core/DescriptionValues.h"

namespace {

struct TCursorEntry {
  std::wstring_view Name;
  TCursor Cursor;
  const wchar_t* SystemId;
};

const TCursorEntry Cursors[] = {
    {L"crDefault", crDefault, nullptr},
    {L"crNone", crNone, nullptr},
    {L"crArrow", crArrow, IDC_ARROW},
    {L"crCross", crCross, IDC_CROSS},
    {L"crIBeam", crIBeam, IDC_IBEAM},
    {L"crSizeNESW", crSizeNESW, IDC_SIZENESW},
    {L"crSizeNS", crSizeNS, IDC_SIZENS},
    {L"crSizeNWSE", crSizeNWSE, IDC_SIZENWSE},
    {L"crSizeWE", crSizeWE, IDC_SIZEWE},
    {L"crUpArrow", crUpArrow, IDC_UPARROW},
    {L"crHourGlass", crHourGlass, IDC_WAIT},
    {L"crNo", crNo, IDC_NO},
    {L"crAppStart", crAppStart, IDC_APPSTARTING},
    {L"crHelp", crHelp, IDC_HELP},
    {L"crHandPoint", crHandPoint, IDC_HAND},
    {L"crSizeAll", crSizeAll, IDC_SIZEALL},
};

}  // namespace

HCURSOR CursorHandle(TCursor Cursor) {
  for (const TCursorEntry& Entry : Cursors) {
    if (Entry.Cursor == Cursor && Entry.SystemId) return LoadCursorW(nullptr, Entry.SystemId);
  }
  return nullptr;
}

TCursor CursorFromIdentifier(std::wstring_view Identifier) {
  for (const TCursorEntry& Entry : Cursors) {
    if (Entry.Name == Identifier) return Entry.Cursor;
  }
  ThrowUnknownIdentifier(Identifier);
}
