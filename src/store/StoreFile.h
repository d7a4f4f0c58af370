// The condition store's files in the program's folder: the working copy
// that Save writes and start-up reads, and the factory copy that the
// restore brings back.
#pragma once

#include <QString>

class ConditionStore;
class StoreFileWatch;

namespace StoreFile {

inline constexpr const char* kWorking = "G1de-ta\\heatwork.csv";
inline constexpr const char* kFactory = "G1de-ta\\heatworkA.csv";
// Where the restore keeps the old working copy when the trash refuses it.
inline constexpr const char* kBackup = "G1de-ta\\heatwork.bak.csv";

// Reads the file into the store. Bytes that are not code page 932 are read
// as "?", so that the store can be saved again; returns false when the file
// held such bytes. Throws FileError when the file cannot be read.
bool Load(ConditionStore& store, const QString& path);
// The same, remembering the bytes read, so that a later save can tell
// whether another window has saved over them meanwhile.
bool Load(ConditionStore& store, StoreFileWatch& watch, const QString& path);

}  // namespace StoreFile
