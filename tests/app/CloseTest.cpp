// Closing the window, and opening another memo over one with changes:
// nothing typed is lost without a question, and nothing untouched asks one.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "operations/heatloss/HeatLossCalculators.h"
#include "store/ConditionStore.h"
#include "store/Cp932.h"
#include "support/FormFixture.h"
#include "widgets/FileListBox.h"
#include "widgets/StringGrid.h"

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

class CloseTest : public FormFixture {
 protected:
  void SetUp() override { Open(); }

  // The question a close asks, with its answer as the recorder notes it.
  static QString Question(const QStringList& items, const char* answer) {
    QString q = U("確認: 保存されていない変更があります。保存しますか。");
    for (const QString& item : items) q += U("\r　・") + item;
    return q + U(" -> ") + QString::fromLatin1(answer);
  }
  QStringList TakeQuestions() {
    const QStringList q = dialogs->confirmations;
    dialogs->confirmations.clear();
    return q;
  }
  QString SavedCell(int c, int r) const {
    ConditionStore saved;
    saved.Load(folder.Path("G1de-ta/heatwork.csv"));
    return saved.GetCell(c, r);
  }
  void SelectMemo(const QString& name) { ASSERT_TRUE(form->List("FileListBox1")->SelectName(name)); }
};

TEST_F(CloseTest, UnsavedWorkIsAskedForAndSavedThroughItsOwnSave) {
  // Untouched: every calculator, just selected and run, closes without a
  // question (its results and derived fields are no typing).
  for (const HeatLossCalculator* c : kHeatLossCalculators)
    if (c->selectButton) {
      Click(c->selectButton);
      if (c->code == Calculator::Cylinder) {
        Click("Button67");  // pipe flow
        EXPECT_TRUE(form->close()) << "pipe flow";
        Click("Button67");
      }
      EXPECT_TRUE(form->close()) << c->selectButton;
    }
  Click("Button30");
  for (const char* material : {"Button31", "Button32", "RadioButton4", "Button33"}) {
    Click(material);
    EXPECT_TRUE(form->close()) << material;
  }
  EXPECT_EQ(TakeQuestions(), QStringList());
  EXPECT_EQ(TakeMessages(), QStringList());

  // Heating: the lid is a condition too. キャンセル keeps the window open.
  Click("Button31");
  const bool lid = form->Radio("RadioButton1")->isChecked();
  Click(lid ? "RadioButton2" : "RadioButton1");
  EXPECT_FALSE(form->close());
  EXPECT_EQ(TakeQuestions(), QStringList{Question({U("液体の加熱の条件")}, "cancel")});
  Click(lid ? "RadioButton1" : "RadioButton2");

  // The heater with a new power: いいえ closes and the file keeps its value;
  // はい saves it through the panel's Save, with its message.
  Click("Button29");
  const QByteArray before = folder.Store();
  Set("Edit8", QStringLiteral("250"));
  dialogs->Answer(Dialogs::Reply::No);
  EXPECT_TRUE(form->close());
  EXPECT_EQ(folder.Store(), before);
  dialogs->Answer(Dialogs::Reply::Yes);
  EXPECT_TRUE(form->close());
  EXPECT_EQ(TakeQuestions(), (QStringList{Question({U("ヒーター温度の条件")}, "no"),
                                          Question({U("ヒーター温度の条件")}, "yes")}));
  EXPECT_EQ(TakeMessages(), QStringList{U("デ－タを保存しました")});
  EXPECT_EQ(SavedCell(5, 11), QStringLiteral("250"));

  // A Save its guards refuse keeps the window open and says so.
  Set("Edit13", QString());
  dialogs->Answer(Dialogs::Reply::Yes);
  EXPECT_FALSE(form->close());
  EXPECT_EQ(TakeMessages(), QStringList{U("条件を保存できなかったため、ウィンドウを閉じません。")});
  TakeQuestions();
  Click("Button5");  // 戻る: the saved conditions again

  // The end of the desktop session closes the window the same way.
  form->show();
  QEvent quit(QEvent::Quit);
  Set("Edit8", QStringLiteral("300"));
  QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(TakeQuestions(), QStringList{Question({U("ヒーター温度の条件")}, "cancel")});
  Click("Button5");

  // A text memo from a file goes back to it; a new grid memo needs a name
  // first, so the window stays with the name panel open.
  folder.Write("memo/a.txt", Cp932::Encode(U("ファイルA\r\n")));
  Click("Button22");
  SelectMemo(U("a.txt"));
  form->Memo("Memo2")->setPlainText(U("ファイルA 追記"));
  Click("Button22");
  form->Grid("StringGrid3")->SetCell(1, 1, U("表の値"));
  dialogs->Answer(Dialogs::Reply::Yes);
  EXPECT_FALSE(form->close());
  EXPECT_EQ(TakeQuestions(), QStringList{Question({U("テキストメモ（a.txt）"), U("表メモ（新規）")}, "yes")});
  EXPECT_EQ(TakeMessages(),
            (QStringList{U("メモを保存しました"), U("新しいメモです。名前を付けて保存してください。")}));
  EXPECT_EQ(folder.Bytes("memo/a.txt"), Cp932::Encode(U("ファイルA 追記\r\n")));
  EXPECT_TRUE(form->IsShown("StringGrid3"));
  EXPECT_TRUE(form->IsShown("Panel15"));
  dialogs->Answer(Dialogs::Reply::No);
  EXPECT_TRUE(form->close());
  EXPECT_EQ(TakeQuestions(), QStringList{Question({U("表メモ（新規）")}, "no")});
}

// A click in the memo list that would replace changed text asks the same:
// キャンセル keeps the text and the list on its file, いいえ opens the other
// file, はい saves the text back to its file first.
TEST_F(CloseTest, MemoListClickOverChangedTextAsksFirst) {
  folder.Write("memo/a.txt", Cp932::Encode(U("ファイルA\r\n")));
  folder.Write("memo/b.txt", Cp932::Encode(U("ファイルB\r\n")));
  Click("Button22");
  SelectMemo(U("a.txt"));
  FileListBox* list = form->List("FileListBox1");
  for (const auto reply : {Dialogs::Reply::Cancel, Dialogs::Reply::No, Dialogs::Reply::Yes}) {
    form->Memo("Memo2")->setPlainText(U("書きかけ"));
    dialogs->Answer(reply);
    SelectMemo(U("b.txt"));
    EXPECT_EQ(TakeQuestions().size(), 1);
    if (reply == Dialogs::Reply::Cancel) {
      EXPECT_EQ(Text("Memo2"), U("書きかけ"));
      EXPECT_EQ(list->SelectedPath(), folder.Path("memo/a.txt"));
    } else {
      EXPECT_EQ(Text("Memo2"), U("ファイルB"));
      SelectMemo(U("a.txt"));
    }
    if (reply == Dialogs::Reply::Yes) {
      EXPECT_EQ(TakeMessages(), QStringList{U("メモを保存しました")});
    }
  }
  EXPECT_EQ(folder.Bytes("memo/a.txt"), Cp932::Encode(U("書きかけ\r\n")));
  EXPECT_EQ(folder.Bytes("memo/b.txt"), Cp932::Encode(U("ファイルB\r\n")));
}

}  // namespace
