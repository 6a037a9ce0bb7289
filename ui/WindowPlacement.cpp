#include "ui/WindowPlacement.h"

#include "ui/Form.h"

TWindowPlacement GetWindowPlacement(const TForm& form) {
    TWindowPlacement placement;
    placement.Length = kWindowPlacementLength;
    switch (form.WindowState()) {
    case TWindowState::Minimized:
        placement.ShowCmd = kShowMinimized;
        break;
    case TWindowState::Maximized:
        placement.ShowCmd = kShowMaximized;
        break;
    default:
        placement.ShowCmd = kShowNormal;
        break;
    }
    placement.MinPosition = {-1, -1};
    placement.MaxPosition = {-1, -1};
    placement.NormalPosition = form.NormalBounds();
    return placement;
}

bool SetWindowPlacement(TForm& form, const TWindowPlacement& placement) {
    if (placement.Length != kWindowPlacementLength) {
        return false;
    }
    const TWindowState before = form.WindowState();
    const TRect& normal = placement.NormalPosition;
    form.SetWindowState(TWindowState::Normal);
    form.SetBounds(normal.Left, normal.Top, normal.Width(), normal.Height());
    switch (placement.ShowCmd) {
    case kShowHide:
        form.SetWindowState(before);
        form.Hide();
        return true;
    case kShowMinimized:
    case kShowMinimize:
    case kShowMinNoActive:
        form.SetWindowState(TWindowState::Minimized);
        break;
    case kShowMaximized:
        form.SetWindowState(TWindowState::Maximized);
        break;
    case kShowShow:
    case kShowNA:
        form.SetWindowState(before);
        break;
    default:
        break;
    }
    form.Show();
    return true;
}
