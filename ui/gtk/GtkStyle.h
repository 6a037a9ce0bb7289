#pragma once

// The backend's own style sheet: GTK's default theme makes entries and buttons taller than the
// designed sizes; these rules let controls keep exactly the sizes the model gives them.
void InstallGtkStyleSheet();

// Style classes of the backend's widgets.
inline constexpr const char* kStyleEntry = "vexa-entry";
inline constexpr const char* kStyleMemo = "vexa-memo";
inline constexpr const char* kStyleButton = "vexa-button";
inline constexpr const char* kStyleTool = "vexa-tool";
