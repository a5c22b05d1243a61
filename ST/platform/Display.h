#pragma once
// The display and the message box, behind a seam: tests set the desktop and never see a box.
#include "ST/core/JST_POINT.h"

#include <functional>
#include <string>
#include <vector>

namespace ZEL {

struct DisplayMode {
    int w = 0, h = 0, refresh = 0;
};

JST::iPOINT DesktopSize();
std::vector<DisplayMode> DisplayModes();
void SetDisplayOverride(JST::iPOINT desktop, std::vector<DisplayMode> modes);
void ClearDisplayOverride();

using MessageBoxHandler = std::function<void(const std::string& text, const std::string& caption)>;
void ShowMessageBox(const std::string& text, const std::string& caption);
// Replaces the message box (nullptr restores it). Returns the previous handler.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

} // namespace ZEL
