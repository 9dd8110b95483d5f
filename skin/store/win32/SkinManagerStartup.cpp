#include "skin/store/win32/SkinManagerStartup.h"

#include <windows.h>

#include <cstdint>
#include <optional>

#include "framework/Dialogs.h"
#include "skin/store/ShadowTemplate.h"
#include "skin/store/VersionSwitch.h"

namespace {

std::optional<TsManagerUnit> TheManagerUnit;

// The bytes of an RT_RCDATA resource of the program; empty when it has none of that name.
// Resources live as long as the module, so nothing is freed.
std::span<const std::uint8_t> RcData(const wchar_t* Name) {
  HRSRC Resource = FindResourceW(nullptr, Name, RT_RCDATA);
  HGLOBAL Loaded = Resource ? LoadResource(nullptr, Resource) : nullptr;
  const void* Bytes = Loaded ? LockResource(Loaded) : nullptr;
  if (!Bytes) return {};
  return {static_cast<const std::uint8_t*>(Bytes), SizeofResource(nullptr, Resource)};
}

bool IsNTFamily() {
  OSVERSIONINFOW Version{};
  Version.dwOSVersionInfoSize = sizeof(Version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  return GetVersionExW(&Version) && Version.dwPlatformId == VER_PLATFORM_WIN32_NT;
#pragma GCC diagnostic pop
}

}  // namespace

const TsManagerUnit& StartSkinManagerUnit(std::span<const std::wstring> Arguments) {
  TsManagerUnit Unit;
  Unit.IsNTFamily = IsNTFamily();
  Unit.ShdaTemplate = DecodeShadowTemplate(RcData(L"acSHDA"));
  Unit.ShdiTemplate = DecodeShadowTemplate(RcData(L"acSHDI"));
  if (FindVersionSwitch(Arguments)) ShowMessage(std::wstring(VersionBoxText));
  Unit.SetProcessDPIAware = BoundSetProcessDPIAware();
  return TheManagerUnit.emplace(std::move(Unit));
}

const TsManagerUnit* ManagerUnit() { return TheManagerUnit ? &*TheManagerUnit : nullptr; }
