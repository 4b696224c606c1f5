#pragma once
// The program's code page 932 texts handed to the platform's wide (UTF-16)
// calls, and wide texts brought back, with code page 932 named explicitly:
// what the user reads and the paths the program keeps come out the same
// whatever the system's ANSI code page.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "text/core/cp932_string.h"
#include "text/core/path_forms.h"

namespace velmora::text {

std::wstring WideFromCp932(Cp932View text);

// The text in code page 932; a character it has no form for becomes "?".
Cp932String Cp932FromWide(std::wstring_view text);

// UTF-8, the form of a settings file saved as UTF-8.
std::wstring WideFromUtf8(Utf8View text);
Utf8String Utf8FromWide(std::wstring_view text);

// The platform's wide texts and the platform-free code's UTF-16 texts are the
// same units.
std::wstring WideOf(std::u16string_view text);
std::u16string Utf16Of(std::wstring_view text);

// True when code page 932 has a form for every character of the text.
bool Cp932Holds(std::wstring_view text);

// The path and its short (8.3) form, each as code page 932 names it: one
// question to the volume for the short form.
PathForms PathFormsOf(const std::wstring& path);

// A message box with one OK button and no icon, text and caption given in
// code page 932; returns when the user has closed it.
void ShowMessage(HWND owner, Cp932View text, Cp932View caption);

}  // namespace velmora::text
