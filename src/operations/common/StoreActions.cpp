#include "operations/common/StoreActions.h"

#include "store/StoreFile.h"
#include "widgets/Dialogs.h"
#include "widgets/Form.h"

namespace StoreActions {

void LoadStore(Form& f) {
  const QString path = f.Path(QString::fromLatin1(StoreFile::kWorking));
  bool whole = true;
  {
    BusyPointer busy(f.Dlg());
    whole = StoreFile::Load(f.Store(), f.StoreWatch(), path);
  }
  if (!whole)
    f.Message(QStringLiteral("ファイル %1 に読めない文字がありました。「?」に置き換えて読み込みました。").arg(path));
}

void SaveStore(Form& f) {
  const QString path = f.Path(QString::fromLatin1(StoreFile::kWorking));
  // Another window on the same files may have saved since this one read or
  // wrote the file: its save is not written over without a question.
  if (f.StoreWatch().ChangedOnDisk() && !f.Confirm(StoreFileWatch::Question(path))) return;
  {
    BusyPointer busy(f.Dlg());
    f.Store().Save(path);
  }
  f.StoreWatch().Saved(f.Store().Lines());
  f.Message(QStringLiteral("デ－タを保存しました"));
}

}  // namespace StoreActions
