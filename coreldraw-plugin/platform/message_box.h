// Message boxes shown to the CorelDRAW user, and the host windows that own them.
#pragma once
#include <windows.h>

#include <string>

#include "com/dispatch.h"

namespace orvan::corel {

int ShowMessage(HWND owner, const std::wstring& text, const wchar_t* caption, UINT style);

// Shows text with the caption "Error" and an OK button, owned by the host's main window.
void ShowError(const Dispatch& application, const std::wstring& text);

}  // namespace orvan::corel
