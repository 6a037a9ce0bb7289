#pragma once

// The show request the process was started with, numbered as the Windows family numbers its
// show commands.
inline constexpr int kShowHide = 0;
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;
inline constexpr int kShowNoActivate = 4;
inline constexpr int kShowShow = 5;
inline constexpr int kShowMinimize = 6;
inline constexpr int kShowMinNoActive = 7;
inline constexpr int kShowNA = 8;
inline constexpr int kShowRestore = 9;
inline constexpr int kShowDefault = 10;

int StartupShowCommand();
