// A condition store file of any bytes: decoded from code page 932, split
// into lines, loaded and checked for damage as the start-up checks it. An
// empty field is loaded as " ", so the first save may differ from the file;
// from then on a saved store survives its own reload unchanged. A store the
// check finds sound stays sound once saved, and a damage found names a line
// of the file or the one after its last.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "foundation/FloatFaults.h"
#include "store/ConditionStore.h"
#include "store/Cp932.h"
#include "store/StoreFile.h"
#include "store/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  FloatFaults::Clear();
  const QStringList lines = TextFile::SplitLines(Cp932::Decode(bytes));
  ConditionStore store;
  store.LoadLines(lines);
  const StoreFile::Damage damage = StoreFile::Check(lines, store);
  if (damage && (damage.line > lines.size() + 1 || damage.what.isEmpty())) abort();
  const QStringList saved = store.Lines();
  if (saved.size() != ConditionStore::kSavedRows) abort();

  ConditionStore once;
  once.LoadLines(saved);
  if (!damage && StoreFile::Check(saved, once)) abort();
  const QStringList resaved = once.Lines();
  ConditionStore twice;
  twice.LoadLines(resaved);
  if (twice.Lines() != resaved) abort();
  return 0;
}
