// New document from the flatbed template, and publishing the active document to a PDF file.
#include "template_and_pdf.h"

#include "home_folder.h"
#include "host_members.h"
#include "path_limit.h"
#include "platform/host_window.h"
#include "platform/message_box.h"
#include "platform/save_dialog.h"
#include "platform/text.h"

namespace orvan::corel {

void LoadNewTemplate(CommandTable& table) {
  const wchar_t* kNotInstalled = L"Orvan Cutbench is not installed";
  auto home = ReadHomeFolder(table.application, "Homedir", kNotInstalled, kNotInstalled);
  if (!home) return;
  const std::string path = *home + "\\Templates\\Orvan_Q_Series.cdt";
  if (!FitsPathBuffer(path.size())) {
    ShowError(table.application, kNotInstalled);
    return;
  }
  table.application.call(member::CreateDocumentFromTemplate, {Variant::text(Widen(path)), Variant::boolean(true)});
}

void PublishToPdf(CommandTable& table) {
  const HWND owner = HostActiveWindow(table.application);
  auto file = AskPdfFileName(owner);
  if (!file) return;
  table.application.object(member::ActiveDocument).call(member::PublishToPDF, {Variant::text(Widen(*file))});
}

}  // namespace orvan::corel
