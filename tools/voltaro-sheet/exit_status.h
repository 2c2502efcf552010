#pragma once

namespace voltaro::sheet {

// The exit statuses of voltaro-sheet.
enum ExitStatus {
    kAllRead = 0,       // every circuit was read
    kCircuitFailed = 1, // at least one circuit could not be read; the others are reported
    kFileFailed = 2,    // the input cannot be read or is not a proper file, or an output failed
    kUsageError = 64,   // the command line asks for nothing clear
};

} // namespace voltaro::sheet
