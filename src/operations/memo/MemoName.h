// Rules for the names under which memos are saved: protected names, the
// "aaa" prefix that is the one way to write a protected memo, and the names
// that would leave the memo folder or hide in it.
#pragma once

#include <QString>

namespace MemoName {

// A memo whose name begins with Z, z, Ｚ or ｚ is overwrite-protected.
bool IsProtected(const QString& name);

// True when the name begins with the three characters "aaa" (case-sensitive).
bool HasAaaPrefix(const QString& name);

// "aaa" + rest becomes a protected name: rest cut to at most 20 bytes of its
// code page 932 form (a double-byte character that the cut would split is
// left out whole), with "Z" put before it unless it already begins with a
// protected letter. A name without the prefix is returned unchanged.
QString ApplyAaaRule(const QString& name);

// Empty when the name may be used as a file name inside the memo folder;
// otherwise the message that says why it is refused: a separator ("/",
// "\\", ".."), a control character, a leading "." (a hidden file the list
// never shows), a line or paragraph separator (U+2028, U+2029) or an
// invisible format character (named by its code).
QString Refusal(const QString& name);

// The message shown for a protected name (two lines).
QString ProtectedMessage();

}  // namespace MemoName
