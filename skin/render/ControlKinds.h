// Control-kind codes (COC) and what hangs on them: which kinds never get hot, which only on
// request, whose colours follow their state, which show no hover glow, which glow by
// themselves, which re-frame on a repaint; and the section a kind names by itself.
// Portable.
#pragma once

#include <initializer_list>
#include <optional>
#include <string_view>

namespace ControlKinds {

struct TCodeRange {
  int First;
  int Last;
};

constexpr bool InRanges(int Code, std::initializer_list<TCodeRange> Ranges) {
  for (const TCodeRange& R : Ranges)
    if (Code >= R.First && Code <= R.Last) return true;
  return false;
}

}  // namespace ControlKinds

constexpr int cocEdit = 3;
constexpr int cocMemo = 7;
constexpr int cocImage = 50;
constexpr int cocPanel = 51;
constexpr int cocButton = 93;

// Mouse-over never makes the control hot.
constexpr bool IsNoHoverKind(int Code) {
  return ControlKinds::InRanges(Code, {{19, 19}, {51, 74}, {110, 110}, {141, 161}});
}
// Mouse-over makes the control hot only while the process-wide hover switch for edits is on.
constexpr bool IsHoverOnRequestKind(int Code) {
  return ControlKinds::InRanges(Code, {{2, 18}, {76, 85}, {132, 140}, {231, 231}});
}
// Focus and hover set the control's own colours from the section's state.
constexpr bool IsColorFollowsStateKind(int Code) {
  return ControlKinds::InRanges(Code, {{2, 18}, {76, 84}, {132, 140}, {231, 231}});
}
// Mouse enter shows no glow; the background answered to children is that of state 0.
constexpr bool IsNoHoverGlowKind(int Code) {
  return ControlKinds::InRanges(
      Code, {{51, 51}, {54, 54}, {56, 59}, {74, 74}, {110, 110}, {141, 141}, {143, 143}, {151, 151}, {161, 161}, {226, 226}});
}
// The control handles its glow itself.
constexpr bool IsSelfGlowingKind(int Code) { return ControlKinds::InRanges(Code, {{92, 94}}); }
// SKC_REPAINT also repositions the window with a frame change.
constexpr bool IsReframeOnRepaintKind(int Code) {
  return ControlKinds::InRanges(Code, {{7, 8}, {10, 10}, {14, 14}, {78, 78}, {83, 83}, {85, 85}, {231, 231}});
}

// How a control without a section name of its own finds one.
enum class TSectionSource {
  Named,      // the kind names its section (NamedSectionOf)
  AskControl, // the control answers SKC_QUERY_DEFAULT_SECTION
  ClassName,  // the owner's class name is the section name
};

constexpr TSectionSource SectionSourceOf(int Code) {
  if (Code == 18 || Code == 19 || Code == 20 || Code == 50 || Code == 152 || Code == 56 || Code == 98 || Code == 230)
    return TSectionSource::Named;
  if (ControlKinds::InRanges(Code, {{2, 10},   {12, 14},   {32, 34},   {51, 51},   {53, 54},   {57, 59},
                                    {74, 76},  {78, 78},   {81, 85},   {92, 94},   {132, 141}, {143, 143},
                                    {151, 151}, {161, 161}, {165, 165}, {226, 227}}))
    return TSectionSource::AskControl;
  return TSectionSource::ClassName;
}

// The section a kind of SectionSourceOf Named takes.
constexpr std::string_view NamedSectionOf(int Code) {
  switch (Code) {
    case 18: return "COMBOBOX";
    case 19: return "BAR";
    case 20: return "BARTITLE";
    case 50:
    case 152: return "CHECKBOX";
    case 56: return "DRAGBAR";
    case 98: return "TOOLBUTTON";
    case 230: return "EDIT";
    default: return {};
  }
}

// What HotState looks at, gathered from the control and the manager.
struct THotInputs {
  bool HasControl = false;
  bool Loading = false;
  bool Enabled = true;
  bool Focused = false;        // FFocused: the skinned sense of focus
  bool WindowFocused = false;  // the control's window has the focus
  bool IsPanel = false;        // panels do not take the window-focus rule
  bool MouseAbove = false;
  bool NoMouseHover = false;   // the manager's option
  bool EditHoverSwitch = false;
  int Code = 0;
};

// 0 normal, 1 hot.
constexpr int HotState(const THotInputs& In) {
  if (!In.HasControl || In.Loading || !In.Enabled) return 0;
  if (In.Focused) return 1;
  if (In.WindowFocused && !In.IsPanel) return 1;
  if (!In.MouseAbove) return 0;
  if (In.NoMouseHover || IsNoHoverKind(In.Code)) return 0;
  if (IsHoverOnRequestKind(In.Code)) return In.EditHoverSwitch ? 1 : 0;
  return 1;
}
