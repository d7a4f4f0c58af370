// The files that saves left half-written when the program ended during
// them (a crash, a power cut), removed at the next start.
//
// The atomic writer (TextFile, through QSaveFile) writes into a temporary
// file beside the target and then renames it over the target. On Linux that
// file usually has no name until it is put in place, so nothing is left; it
// has a name on file systems without unnamed temporary files, and for a
// moment just before the rename: the target's name, a dot and six random
// letters A-Z a-z (heatwork.csv.QxTbAe, 配管メモ.txt.kPzRwD).
//
// Only such names of the files the program writes are removed, and only
// plain files: in G1de-ta/ heatwork.csv.XXXXXX, in memo/ *.txt.XXXXXX, in
// memocsv/ *.csv.XXXXXX. The six letters are drawn from both cases alike,
// while a suffix a person gives a copy (.backup, .BACKUP, .copy01) keeps
// one case or holds digits; so a name counts only when its letters mix both
// cases. The rare leftover whose letters share one case (1 in 32) stays,
// which does no harm.
#pragma once

#include <QString>
#include <QStringList>

namespace Leftovers {

// folder: "G1de-ta", "memo" or "memocsv"; fileName: a name in it.
bool IsUnfinishedWrite(const QString& folder, const QString& fileName);

// Removes the leftovers of workingFolder/G1de-ta, memo and memocsv and
// returns their paths. Call it only while this program holds the working
// files' lock (WorkingFilesLock): a save that another window is making
// would otherwise lose its temporary file.
QStringList Remove(const QString& workingFolder);

}  // namespace Leftovers
