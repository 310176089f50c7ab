// The four toolbar commands: identifiers, captions, icons, tooltips, enabled states and handlers.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "com/dispatch.h"

namespace orvan::corel {

enum class EnableRule { Always, DocumentHasShapes };

struct CommandTable;
using CommandHandler = void (*)(CommandTable&);

struct CommandEntry {
  std::wstring identifier;
  std::wstring caption;
  std::wstring iconFile;
  std::wstring tooltip;
  bool enabled;
  EnableRule rule;
  CommandHandler handler;
};

struct CommandTable {
  Dispatch application;
  std::wstring toolbarName;
  std::array<CommandEntry, 4> commands;
  CommandHandler paletteRoutine;
};

inline constexpr const wchar_t* kToolbarName = L"Orvan Flatbed toolbar";
inline constexpr const wchar_t* kCommandCategory = L"ab489730-8791-45d2-a825-b78bbe0d6a5d";

std::unique_ptr<CommandTable> BuildCommandTable(IDispatch* application);

// Exact match: same length, same characters, letter case included.
CommandEntry* FindCommand(CommandTable& table, std::wstring_view identifier);

void UpdateCommandStates(CommandTable& table);
void ResetCommandStatesForClosedDocument(CommandTable& table);

}  // namespace orvan::corel
