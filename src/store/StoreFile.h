// The condition store's files in the program's folder: the working copy
// that Save writes and start-up reads, and the factory copy that the
// restore brings back.
#pragma once

#include <QString>
#include <QStringList>

class ConditionStore;
class StoreFileWatch;

namespace StoreFile {

inline constexpr const char* kWorking = "G1de-ta\\heatwork.csv";
inline constexpr const char* kFactory = "G1de-ta\\heatworkA.csv";
// Where the restore keeps the old working copy when the trash refuses it.
inline constexpr const char* kBackup = "G1de-ta\\heatwork.bak.csv";

// What makes a store file unusable: the line (from 1) and what is wrong
// there. line 0: the file is sound.
struct Damage {
  int line = 0;
  QString what;
  explicit operator bool() const { return line > 0; }
};

// Checks a store file's lines as read and the store they were loaded into:
// an empty file; a line that does not begin with its number (the first
// line holds the column numbers 1 to 6), as in a garbled file or one of
// another kind; fewer than the 80 lines a store has (cut short); σ, ε and h
// (the cells every calculator reads) that are not numbers or out of range.
// The first such line is named.
Damage Check(const QStringList& lines, const ConditionStore& store);

// Reads the file into the store. Bytes that are not code page 932 are read
// as "?", so that the store can be saved again; returns false when the file
// held such bytes. Throws FileError when the file cannot be read.
bool Load(ConditionStore& store, const QString& path);
// The same, remembering the bytes read, so that a later save can tell
// whether another window has saved over them meanwhile. With damage, the
// file is checked too (Check).
bool Load(ConditionStore& store, StoreFileWatch& watch, const QString& path, Damage* damage = nullptr);

}  // namespace StoreFile
