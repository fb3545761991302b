#pragma once

#include <string_view>

// The names of the window and its controls, shared by the window definition
// and the handlers so that each name is written once.
namespace window::names {

inline constexpr std::string_view frmEuro = "frmEuro";
inline constexpr std::string_view txtEuro = "txtEuro";
inline constexpr std::string_view txtPunt = "txtPunt";
inline constexpr std::string_view cmdConvertEuroToPunt = "cmdConvertEuroToPunt";
inline constexpr std::string_view cmdConvertPuntToEuro = "cmdConvertPuntToEuro";
inline constexpr std::string_view cmdClear = "cmdClear";
inline constexpr std::string_view cmdExit = "cmdExit";
inline constexpr std::string_view lblTambrel = "lblTambrel";
inline constexpr std::string_view lblPuntToEuro = "lblPuntToEuro";
inline constexpr std::string_view lblEuroToPunt = "lblEuroToPunt";
inline constexpr std::string_view label2 = "Label2";
inline constexpr std::string_view label1 = "Label1";
inline constexpr std::string_view lblConverter = "lblConverter";

} // namespace window::names
