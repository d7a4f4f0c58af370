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
    whole = StoreFile::Load(f.Store(), path);
  }
  if (!whole)
    f.Message(QStringLiteral("ファイル %1 に読めない文字がありました。「?」に置き換えて読み込みました。").arg(path));
}

void SaveStore(Form& f) {
  {
    BusyPointer busy(f.Dlg());
    f.Store().Save(f.Path(QString::fromLatin1(StoreFile::kWorking)));
  }
  f.Message(QStringLiteral("デ－タを保存しました"));
}

}  // namespace StoreActions
