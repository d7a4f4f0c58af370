// The files that saves left half-written when the program ended during
// them (a crash, a power cut), removed at the next start.
//
// The atomic writer (AtomicFile) writes into an unfinished file beside the
// target and renames it over the target once it is whole and on the disk.
// A save cut short leaves that file: .heatcalc-unfinished-XXXXXXXX.tmp, a
// name of the program's own that no person gives a file. Only plain files
// of that name are removed, only in the folders the program writes
// (G1de-ta/, memo/, memocsv/), and only where such a folder is a folder of
// the working folder itself: one that is a symbolic link leads elsewhere,
// to files that are not this program's to remove. Everything else stays,
// the engineer's copies (heatwork.csv.Backup, 表.csv.OldVer) above all.
#pragma once

#include <QString>
#include <QStringList>

namespace Leftovers {

// Removes the leftovers of workingFolder/G1de-ta, memo and memocsv and
// returns their paths. Call it only while this program holds the working
// files' lock (WorkingFilesLock): a save that another window is making
// would otherwise lose its unfinished file.
QStringList Remove(const QString& workingFolder);

}  // namespace Leftovers
