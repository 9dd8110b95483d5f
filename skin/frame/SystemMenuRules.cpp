#include "skin/frame/SystemMenuRules.h"

namespace {

// The border styles with a full title bar: they can be minimised, maximised and restored.
bool HasFullTitle(TSysMenuBorder Style) {
  return Style == TSysMenuBorder::Single || Style == TSysMenuBorder::Sizeable;
}

bool CanBeSized(TSysMenuBorder Style) {
  return Style != TSysMenuBorder::None && Style != TSysMenuBorder::Dialog &&
         Style != TSysMenuBorder::ToolWindow;
}

}  // namespace

TSysMenuItems SystemMenuItems(const TSysMenuForm& Form) {
  const bool Minimized = Form.WindowState == TSysMenuWindowState::Minimized;
  const bool Maximized = Form.WindowState == TSysMenuWindowState::Maximized;
  const bool FullTitle = HasFullTitle(Form.BorderStyle);
  // A minimised main form that owns the taskbar button is restored from there, not maximised.
  const bool TaskBarMainForm = Form.IsMainForm && Form.MainFormOnTaskBar;

  TSysMenuItems Items;
  Items.VisibleClose = Form.SystemMenuIcon && (!Form.HasSystemMenu || Form.CloseEntry);
  Items.EnabledClose = Form.HasSystemMenu ? Form.CloseEntry && !Form.CloseGreyed : Form.SystemMenuIcon;

  Items.VisibleMax = (Form.SystemMenuIcon && Form.MaximizeIcon && FullTitle) ||
                     (Minimized && !TaskBarMainForm) || Form.MdiChild;
  Items.EnabledMax = (FullTitle || Form.MdiChild) && Form.MaximizeIcon;

  Items.VisibleMin = (Form.SystemMenuIcon && Form.MinimizeIcon && FullTitle) || Minimized || Form.MdiChild;
  Items.EnabledMin = Form.MinimizeIcon && (!Minimized || Form.IsMainForm);

  Items.VisibleRestore = Form.SystemMenuIcon && (FullTitle || Form.MdiChild);
  Items.EnabledRestore = (Maximized && Form.MaximizeIcon) || Minimized;

  Items.VisibleSize = CanBeSized(Form.BorderStyle) || Form.MdiChild;
  Items.EnabledSize = Form.BorderStyle != TSysMenuBorder::Single && !Minimized;
  // A fixed single-bordered form whose only border icon is the system menu (the main
  // window) offers Close alone: its menu neither moves, sizes nor re-states it.
  const bool CloseAlone = Form.BorderStyle == TSysMenuBorder::Single && !Form.MinimizeIcon &&
                          !Form.MaximizeIcon && Form.WindowState == TSysMenuWindowState::Normal;
  Items.EnabledMove = !Maximized && !CloseAlone;
  return Items;
}
