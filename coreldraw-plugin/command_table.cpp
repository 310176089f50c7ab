// Builds the command table and keeps the commands' enabled states.
#include "command_table.h"

#include "host_members.h"
#include "registration_marks.h"
#include "series_palettes.h"
#include "template_and_pdf.h"

namespace orvan::corel {

std::unique_ptr<CommandTable> BuildCommandTable(IDispatch* application) {
  return std::unique_ptr<CommandTable>(new CommandTable{
      Dispatch::borrow(application, L"application"),
      kToolbarName,
      {{
          {L"LoadNewTemplate", L"Template", L"template_St.ico",
           L"opens a new file with the Flatbed template, this file contains all necessary layers", true,
           EnableRule::Always, LoadNewTemplate},
          {L"SetCutrixMarkers", L"Cutrix markers", L"cutrix_16.ico", L"Add Cutrix regmarks", false,
           EnableRule::DocumentHasShapes, SetCutrixMarkers},
          {L"SetCutrixMarkersAndSquares", L"Markers & squares", L"cutout_16.ico",
           L"Set Cutrix regmarkers and cut out squares", false, EnableRule::DocumentHasShapes,
           SetCutrixMarkersAndSquares},
          {L"PublishToPDF", L"Publish PDF", L"pdf_16.ico", L"Publish to PDF", false,
           EnableRule::DocumentHasShapes, PublishToPdf},
      }},
      InstallSeriesPalettes,
  });
}

CommandEntry* FindCommand(CommandTable& table, std::wstring_view identifier) {
  for (CommandEntry& entry : table.commands)
    if (entry.identifier == identifier) return &entry;
  return nullptr;
}

void UpdateCommandStates(CommandTable& table) {
  Dispatch document = table.application.object(member::ActiveDocument);
  const bool documentHasShapes = document && document.object(member::Shapes).get(member::Count).toInteger() > 0;
  for (CommandEntry& entry : table.commands)
    entry.enabled = entry.rule == EnableRule::Always || documentHasShapes;
}

void ResetCommandStatesForClosedDocument(CommandTable& table) {
  for (CommandEntry& entry : table.commands) entry.enabled = entry.rule == EnableRule::Always;
}

}  // namespace orvan::corel
