// A simulated customer workstation for tests, window tests and the demo: Illustrator and CorelDRAW installs
// on the Wine C: drive and in the registry, the Scribo key and the installer's program folder, laid out
// from a short description and removed again afterwards.
#pragma once
#include <string>
#include <vector>

namespace orvan::workstation {

enum class Bits { B32 = 32, B64 = 64 };

// One file copied into the layout: from an absolute path (a real plug-in, a simulator exe) to a path
// relative to the folder it belongs to.
struct FileCopy {
  std::string from;
  std::string to;
};

// What stands where the registry says Illustrator's program is.
enum class ExeKind { Stub, NotAProgram, Missing };

struct Illustrator {
  std::string version;         // the class key's version text: "11" to "16", "15.1", "17" and up
  Bits bits = Bits::B64;
  std::string folder;          // relative to the root; empty: the usual folder for version and bits
  bool twin = false;           // also lay out the other edition's folder (not registered), with its markers
  std::string twinFolder;      // relative to the root; empty: the usual folder of the other edition
  bool registered = true;      // write the Adobe.Illustrator.<version> class keys
  ExeKind exe = ExeKind::Stub;
  std::string exeFolder = "Support Files\\Contents\\Windows";  // three levels below the install folder
  std::string pluginFolder = "Plug-ins\\Illustrator Filters";  // holds "3D.aip"; empty: no 3D.aip anywhere
  std::string swatchFolder;    // holds the swatch marker; empty: the usual one; "-": no marker anywhere
  std::vector<FileCopy> files; // relative to the install folder
};

struct Corel {
  std::string version;         // "13" (X3) to "24" (2022)
  Bits bits = Bits::B64;
  bool designer = false;       // registered as Corel DESIGNER instead of CorelDRAW
  std::string folder;          // relative to the root; empty: "Program Files[ (x86)]\Corel\CorelDRAW Graphics Suite X6"
  bool registered = true;      // write the version key at all
  bool installed = true;       // "\Setup" value "Installed" = "Yes" (false: "No")
  bool configDir = true;       // write "ConfigDir" = install folder + "\Draw"
  bool pluginFolder = true;    // lay out "Draw\Plugins64" (64-bit) or "Draw\Plugins" (32-bit)
  std::vector<FileCopy> files; // relative to the install folder, e.g. {sim.exe, "Programs64\\CorelDRW.exe"}
};

// The installer's own folder with its plug-in and palette sources, dummy files with recognisable content.
struct ProgramFolder {
  std::string folder = "Program Files (x86)\\Orvan\\Benchmate";  // relative to the root
  std::vector<std::string> omit;  // standard files or folders to leave out ("Adobe\\x64", "Corel\\plugin\\Win32")
  std::vector<FileCopy> files;    // relative to the program folder; replaces a dummy of the same name
};

struct Description {
  std::string root;            // the folder that plays C:\ ; empty: a fresh C:\orvan-tests\ws-<pid>-<n>
  bool clean = true;           // first remove Illustrator class keys, CorelDRAW/DESIGNER and Scribo keys
  bool scribo = false;
  bool programFolder = true;
  ProgramFolder program;
  std::vector<Illustrator> illustrators;
  std::vector<Corel> corels;
  std::string stub32, stub64;  // PE stubs; empty: found beside this program or through ORVAN_WIN32/64_DIR
};

// Reads the JSON form (see README.md); throws std::runtime_error with a readable message on bad input.
Description parseDescription(const std::string& json);

// The standard files of a program folder, relative to it, and the recognisable content of each dummy.
const std::vector<std::string>& standardProgramFiles();
std::string dummyContent(const std::string& relative);

// Where things landed: absolute paths, no trailing backslash unless said.
struct IllustratorPlace {
  std::string version, root, twinRoot, exe;
  Bits bits;
};
struct CorelPlace {
  std::string version, root;
  Bits bits;
};

class Workstation {
public:
  // Lays out everything described; throws std::runtime_error when something cannot be made.
  explicit Workstation(Description description);
  Workstation(const Workstation&) = delete;
  Workstation& operator=(const Workstation&) = delete;
  ~Workstation();  // removes everything it made, unless keep() was called

  void keep() { keep_ = true; }
  const Description& description() const { return description_; }
  const std::string& root() const { return description_.root; }
  // root + "\" + relative.
  std::string path(const std::string& relative) const;
  // The program folder with a trailing backslash, as the installer sees its own folder.
  std::string programFolder() const;
  const std::vector<IllustratorPlace>& illustrators() const { return illustrators_; }
  const std::vector<CorelPlace>& corels() const { return corels_; }
  // A summary of the places as JSON, as workstation.exe --lay prints it.
  std::string placesJson() const;

  // Removes what a description lays out, also from another process (workstation.exe --remove).
  static void remove(const Description& description);

private:
  void lay();
  std::string stubFor(Bits bits) const;

  Description description_;
  std::vector<IllustratorPlace> illustrators_;
  std::vector<CorelPlace> corels_;
  bool keep_ = false;
};

}  // namespace orvan::workstation
