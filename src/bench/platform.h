#pragma once

#include "bench/printed_page.h"
#include "model/failure.h"
#include "model/text.h"
#include "view/picture.h"

#include <optional>
#include <string>
#include <vector>

namespace voltaro {

struct FileDialogOptions {
    Text title;
    Text filter;                  // "circuits(*.cir)|*.cir"
    std::string defaultExtension; // "cir", or empty
    std::string directory;        // where the dialog starts
    bool confirmReplace = false;  // a save dialog asks before an existing file is chosen
};

// What the program keeps from one run to the next: the files loaded or saved last, newest
// first, and the folder of the last file used, where the file dialogs start.
struct RememberedFiles {
    std::vector<std::string> recent;
    std::string folder;
};

// Every call that leaves the program: message boxes, file dialogs, files, clipboard, printer.
// The window implements it with Qt, translating the texts it is given; tests use a scripted
// fake, headless workbenches the NullPlatform.
class Platform {
public:
    virtual ~Platform() = default;

    // A confirmation box with Yes and No; true for Yes.
    virtual bool confirm(const Text& text) = 0;
    // A warning box with OK.
    virtual void warning(const Text& text) = 0;
    // The application's standard error box.
    virtual void error(const Text& text) = 0;
    // The about box, shown modally.
    virtual void showAbout(const Text& text) = 0;
    // A page of text in a box of its own, shown modally until its Close: read-only, its lines
    // for the user to read (a screen reader too), select and copy.
    virtual void showPage(const Text& title, const std::vector<Text>& lines) = 0;

    // File dialogs: the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> openFileName(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> saveFileName(const FileDialogOptions& options) = 0;
    virtual std::string currentDirectory() = 0;
    // Whether a folder holds a circuit file (*.cir).
    virtual bool holdsCircuitFiles(const std::string& folder) = 0;
    // The folder of the example circuits installed with the program; empty when there is none.
    virtual std::string examplesFolder() = 0;
    // What the last run remembered (nothing on a first run), and what the next one will.
    virtual RememberedFiles recallFiles() = 0;
    virtual std::optional<Failure> rememberFiles(const RememberedFiles& files) = 0;

    // Files. A failure's reason is the system's alone ("No space left on device"); the caller
    // names the file. A write is done only when its bytes are on the disk.
    virtual Outcome<std::string> readFile(const std::string& path) = 0;
    // Replaces the whole file at once: the old contents stay when the write fails.
    virtual std::optional<Failure> replaceFile(const std::string& path,
                                               const std::string& bytes) = 0;
    // Appends to an existing file; a file that is not there is not created, and a write that
    // fails leaves the file as it was.
    virtual std::optional<Failure> appendFile(const std::string& path,
                                              const std::string& bytes) = 0;

    // Puts the picture on the clipboard as an image, in place of what it held.
    virtual void copyToClipboard(const Picture& picture) = 0;
    // The name dialog, prefilled with `name`: the name as the user left it, or nothing when the
    // dialog was closed without "Ok".
    virtual std::optional<std::string> askName(const std::string& name) = 0;
    // The print dialog: the printable area of the chosen page in printer pixels, or nothing
    // when cancelled.
    virtual std::optional<PrintableArea> choosePrinter() = 0;
    // Prints one page on the printer chosen last, or says why it could not.
    virtual std::optional<Failure> printPage(const PrintedPage& page) = 0;
};

} // namespace voltaro
