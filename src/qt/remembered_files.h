#pragma once

#include "bench/platform.h"

#include <optional>
#include <string>

namespace voltaro {

// The recent files and the last folder, kept from one run to the next in the user's settings
// (QSettings, "Voltaro/Voltaro"): read back as they were written, a write checked on the disk.
RememberedFiles readRememberedFiles();
std::optional<Failure> writeRememberedFiles(const RememberedFiles& files);

// The example circuits installed beside the program (<prefix>/share/voltaro/examples), else in
// the system's data folders; empty when there are none.
std::string installedExamplesFolder();
// Whether `folder` holds a *.cir file.
bool folderHoldsCircuitFiles(const std::string& folder);

} // namespace voltaro
