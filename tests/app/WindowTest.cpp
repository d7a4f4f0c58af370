// The window on a real program folder: start-up, damaged or missing store
// files, Save and its failures, the Run guards and the restore.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <map>

#include "app/CalculatorDispatch.h"
#include "operations/analysis/AnalysisView.h"
#include "operations/common/StoreActions.h"
#include "operations/heatloss/HeatLossPanels.h"
#include "store/TextFile.h"
#include "support/FormFixture.h"
#include "support/OrdinaryUser.h"
#include "widgets/StringGrid.h"

// Places as numbers in a failure's text.
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
}
inline void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << "x" << s.height(); }
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << p.x() << "," << p.y(); }

namespace {

const QString kSaved = QStringLiteral("デ－タを保存しました");

class Window : public FormFixture {};

TEST_F(Window, OpensOnTheHeaterCalculator) {
  Open();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("サーモラver_1.522"));
  EXPECT_FALSE(form->Control("Panel5")->isHidden());
  EXPECT_TRUE(form->Control("Panel9")->isHidden());
  EXPECT_EQ(Text("Label36"), QStringLiteral("ヒーター温度"));
  EXPECT_EQ(Cell(6, 2), QStringLiteral("5"));
  EXPECT_EQ(Cell(6, 1), QStringLiteral("hi-ta"));
  EXPECT_EQ(Text("Edit15"), Cell(2, 1).left(7));
  EXPECT_EQ(Text("Edit22"), QStringLiteral("-8"));
  EXPECT_GE(dialogs->busyCount, 1) << "the store is read under the busy pointer";
}

// The window grows. Larger, its upper area's views take the room, the lower
// panels keep their sizes, centred and inside the window, and no control
// leaves its parent or meets a sibling it did not meet before; at its
// smallest every control stands where its control table puts it.
TEST_F(Window, GrowsIntoItsUpperAreaAndKeepsTheLowerPanels) {
  Open();
  form->show();
  QApplication::processEvents();
  EXPECT_EQ(form->size(), QSize(912, 579)) << "it opens at its smallest";
  EXPECT_EQ(form->minimumSize(), QSize(912, 579));
  EXPECT_GE(form->maximumWidth(), 1920);
  EXPECT_TRUE(form->windowFlags() & Qt::WindowMaximizeButtonHint);

  struct Place {
    QRect at;
    QSize room;  // the size of its parent
  };
  using Places = std::map<QString, Place>;
  // The tabbed view sizes only the page on top: each page is brought up once.
  auto placesAt = [this](QSize size) {
    form->resize(size);
    for (const char* page : {"GraphPage", "CorrelationPage", "DesignPage", "EconPage", "SurfacePage"}) {
      form->Analysis().Show(page);
      QApplication::processEvents();
    }
    form->Analysis().Hide();
    Places places;
    for (auto it = form->Controls().cbegin(); it != form->Controls().cend(); ++it)
      places[it.key()] = {it.value()->geometry(), it.value()->parentWidget()->size()};
    return places;
  };
  auto at = [](const Places& p, const char* name) { return p.at(QString::fromLatin1(name)).at; };

  const Places smallest = placesAt(QSize(912, 579));
  EXPECT_EQ(at(smallest, "Panel2"), QRect(0, 0, 912, 321));
  EXPECT_EQ(at(smallest, "Panel1"), QRect(0, 321, 912, 238));
  EXPECT_EQ(at(smallest, "HintLine"), QRect(0, 559, 912, 20));
  EXPECT_EQ(at(smallest, "Panel5"), QRect(232, 9, 449, 225));
  EXPECT_EQ(at(smallest, "StringGrid2"), QRect(112, 0, 793, 320));
  EXPECT_EQ(at(smallest, "GraphView"), QRect(0, 0, 600, 294));
  EXPECT_EQ(at(smallest, "SweepGrid"), QRect(606, 150, 298, 116));
  form->resize(800, 500);
  EXPECT_EQ(form->size(), QSize(912, 579)) << "never smaller";

  for (const QSize size : {QSize(1280, 800), QSize(1920, 1080)}) {
    SCOPED_TRACE(::testing::Message() << size.width() << " x " << size.height());
    const Places grown = placesAt(size);
    const QSize growth = size - QSize(912, 579);
    EXPECT_EQ(at(grown, "Panel2"), QRect(0, 0, size.width(), size.height() - 258));
    EXPECT_EQ(at(grown, "HintLine"), QRect(0, size.height() - 20, size.width(), 20));
    EXPECT_EQ(at(grown, "Panel1"), QRect(0, size.height() - 258, size.width(), 238));
    // The main views take all the room, in place.
    for (const char* view : {"AnalysisView", "GraphView", "StringGrid2", "Memo2", "Memo5", "StringGrid3",
                             "EconGrid", "CorrelationList"}) {
      EXPECT_EQ(at(grown, view).topLeft(), at(smallest, view).topLeft()) << view;
      EXPECT_EQ(at(grown, view).size(), at(smallest, view).size() + growth) << view;
    }
    // The side panels and the sweep's table keep their width and grow in height.
    for (const char* side : {"Panel3", "Panel11", "SweepGrid", "CompareGrid"})
      EXPECT_EQ(at(grown, side).size(), at(smallest, side).size() + QSize(0, growth.height())) << side;
    // The lower panels: their sizes, centred as one block, wholly in the window.
    QWidget* lower = form->Control("Panel1");
    for (QWidget* panel : lower->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      const QByteArray name = panel->objectName().toLatin1();
      if (!smallest.count(panel->objectName())) continue;
      EXPECT_EQ(at(grown, name).size(), at(smallest, name).size()) << name.constData();
      EXPECT_EQ(at(grown, name).topLeft() - at(smallest, name).topLeft(), QPoint(growth.width() / 2, 0))
          << name.constData();
      EXPECT_TRUE(form->rect().contains(QRect(panel->mapTo(form.get(), QPoint(0, 0)), panel->size())))
          << name.constData();
    }
    // Nothing leaves its parent or runs into a sibling that it did not at
    // the smallest size.
    for (const auto& [name, place] : grown) {
      const Place& before = smallest.at(name);
      if (QRect(QPoint(0, 0), before.room).contains(before.at)) {
        EXPECT_TRUE(QRect(QPoint(0, 0), place.room).contains(place.at)) << qPrintable(name) << " is cut off";
      }
      const QWidget* w = form->Controls().value(name);
      for (const auto& [other, otherPlace] : grown) {
        const QWidget* o = form->Controls().value(other);
        if (name < other && o->parentWidget() == w->parentWidget() && place.at.intersects(otherPlace.at)) {
          EXPECT_TRUE(before.at.intersects(smallest.at(other).at))
              << qPrintable(name) << " runs into " << qPrintable(other);
        }
      }
    }
  }

  // Back at the smallest size, every control is where it was.
  const Places again = placesAt(QSize(912, 579));
  for (const auto& [name, place] : smallest) EXPECT_EQ(again.at(name).at, place.at) << qPrintable(name);
}

TEST_F(Window, MissingStoreIsReportedAndTheWindowStillOpens) {
  QFile::remove(folder.Path("G1de-ta/heatwork.csv"));
  Open();
  EXPECT_EQ(TakeMessages(),
            QStringList{QStringLiteral("ファイル %1 は開けません").arg(folder.Path("G1de-ta/heatwork.csv"))});
  // The sequence stopped at its first step: no field was filled.
  EXPECT_EQ(Text("Edit15"), QString());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("サーモラver_1.522"));
  // The window still works: a selection whose cells are empty stops with a
  // conversion message instead of a crash.
  form->Guarded([this] { form->Dispatch().Select(Calculator::Cylinder); });
  EXPECT_EQ(Text("Label36"), QStringLiteral("円筒の放熱"));
  TakeMessages();
}

// Damaged store files load without a crash. The cells the heater needs are
// kept intact in these cases, so the window opens as from a good store.
TEST_F(Window, DamagedStoreFilesLoad) {
  const QByteArray factory = folder.FactoryStore();
  QList<QByteArray> lines = factory.split('\n');
  auto withLine = [&](int row, const QByteArray& text) {
    QList<QByteArray> l = lines;
    l[row] = text + '\r';
    return l.join('\n');
  };
  QByteArray moreFields = factory;
  moreFields.replace("\r\n", ",x,y,\"z\",w\r\n");
  const struct {
    const char* what;
    QByteArray bytes;
  } cases[] = {
      {"more fields on every line", moreFields},
      {"stray quotes", withLine(4, "4,\"abc,\"\"\",x\"y,\"")},
      {"unclosed quote", withLine(77, "77,\"runs to the end,,,")},
      {"invalid code page bytes", withLine(77, QByteArray("77,\x81,\xFF\xFF,\x82"))},
      {"NUL byte", withLine(77, QByteArray("77,a\0b,c", 8))},
      {"LF line ends", QByteArray(factory).replace("\r\n", "\n")},
      {"CR line ends", QByteArray(factory).replace("\r\n", "\r")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    folder.Write("G1de-ta/heatwork.csv", c.bytes);
    Open();
    const QStringList messages = TakeMessages();
    if (QByteArray(c.what) == "invalid code page bytes") {
      // The user is told; the bad bytes read as "?" so the store saves again.
      ASSERT_EQ(messages.size(), 1);
      EXPECT_TRUE(messages[0].contains(QStringLiteral("読めない文字がありました"))) << messages[0].toStdString();
      EXPECT_EQ(Cell(1, 77), QStringLiteral("?"));
      EXPECT_EQ(Cell(2, 77), QStringLiteral("??"));
      form->Guarded([this] { StoreActions::SaveStore(*form); });
      EXPECT_EQ(TakeMessages(), QStringList{QStringLiteral("デ－タを保存しました")});
    } else {
      EXPECT_EQ(messages, QStringList());
    }
    EXPECT_EQ(Text("Edit15"), QStringLiteral("5.67037"));
    EXPECT_EQ(Cell(6, 2), QStringLiteral("5"));
    form.reset();
  }
}

// A damaged store at start-up: empty, cut short, garbled, or σ, ε or h not
// a number. The question names the file and the line and offers 復元. Told
// yes, the factory store takes its place and the damaged file stays beside
// it; told no, the window opens on it as far as it goes, but whole: every
// control of the mode is set up, and choosing the cylinder shows its
// pipe-flow button even though its stored conditions cannot be run.
TEST_F(Window, DamagedStoreAtStartUpIsNamedWithItsLineAndRestoreIsOffered) {
  const QByteArray factory = folder.FactoryStore();
  const QList<QByteArray> lines = factory.split('\n');
  auto withLine = [&](int row, const QByteArray& text) {
    QList<QByteArray> l = lines;
    l[row] = text + '\r';
    return l.join('\n');
  };
  const struct {
    const char* what;
    QByteArray bytes;
    int line;
    const char* said;
  } cases[] = {
      {"empty", QByteArray(), 1, "ファイルが空です"},
      {"blank lines", QByteArray("\r\n \r\n"), 1, "ファイルが空です"},
      {"cut short", lines.mid(0, 40).join('\n') + '\n', 41, "途中で切れています（80 行のうち 40 行"},
      {"heading only", QByteArray(",1,2,3,4,5,6\r\n1,,5.670374419,0.00000001\r\n"), 3, "途中で切れています"},
      {"not code page 932", QByteArray("\x81\x81\x81"), 1, "列の番号"},
      {"garbled line", withLine(30, "\x93\xfa\x96\x7b,,,"), 31, "番号 30 がありません"},
      {"σ garbage", withLine(1, "1,,abc,0.00000001,,,hi-ta"), 2, "ステファン・ボルツマン定数 σ の値「abc」"},
      {"σ factor empty", withLine(1, "1,,5.670374419,,,,hi-ta"), 2, "σ の倍率"},
      {"ε out of range", withLine(2, "2,,9,,,,5"), 3, "放射率 ε の値「9」は範囲外"},
      {"h overflow", withLine(3, "3,,1e99999,,,,1"), 4, "熱伝達率 h の値「1e99999」"},
  };
  const QString store = folder.Path("G1de-ta/heatwork.csv");
  for (const bool restore : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (restore ? ", restored" : ", kept"));
      for (const QString& f : QDir(folder.Path("G1de-ta")).entryList({QStringLiteral("*.damaged-*")}))
        QFile::remove(folder.Path("G1de-ta/") + f);
      folder.Write("G1de-ta/heatwork.csv", c.bytes);
      qputenv("XDG_DATA_HOME", QFile::encodeName(folder.Path("home/.local/share")));
      dialogs = std::make_unique<RecordingDialogs>(folder.Path("scratch"));
      dialogs->Answer(restore);
      form = std::make_unique<TForm1>(folder.Dir(), *dialogs);

      ASSERT_EQ(dialogs->confirmations.size(), 1);
      const QString& asked = dialogs->confirmations[0];
      EXPECT_TRUE(
          asked.contains(QStringLiteral("ファイル %1 の %2 行目が壊れています").arg(store).arg(c.line)))
          << asked.toStdString();
      EXPECT_TRUE(asked.contains(QString::fromUtf8(c.said))) << asked.toStdString();
      EXPECT_TRUE(asked.contains(QStringLiteral("復元"))) << asked.toStdString();
      const QStringList kept =
          QDir(folder.Path("G1de-ta")).entryList({QStringLiteral("heatwork.csv.damaged-*")});
      QStringList messages = TakeMessages();
      if (restore) {
        ASSERT_EQ(kept.size(), 1);
        EXPECT_TRUE(asked.contains(kept[0])) << "the question names the copy";
        EXPECT_EQ(folder.Bytes(("G1de-ta/" + kept[0]).toUtf8().constData()), c.bytes);
        EXPECT_EQ(folder.Store(), factory);
        EXPECT_EQ(messages, QStringList{QStringLiteral("ファイル %1 を初期のデータに戻しました。\r"
                                                       "壊れたファイルは %2 に残してあります。")
                                            .arg(store, folder.Path("G1de-ta/") + kept[0])});
        EXPECT_EQ(Text("Edit15"), QStringLiteral("5.67037"));
        EXPECT_FALSE(Text("Edit18").isEmpty()) << "the heater ran";
      } else {
        EXPECT_EQ(kept, QStringList());
        EXPECT_EQ(folder.Store(), c.bytes) << "the damaged store is left as it is";
        // Bytes that are not code page 932 are said as at every load.
        messages.removeIf(
            [](const QString& m) { return m.contains(QStringLiteral("読めない文字がありました")); });
        EXPECT_LE(messages.size(), 1)
            << "the first failure alone is shown: " << messages.join(QStringLiteral(" / ")).toStdString();
      }
      // Whole either way: heat-loss mode, the heater on screen.
      EXPECT_EQ(Text("Label36"), QStringLiteral("ヒーター温度"));
      for (const char* shown : {"Panel5", "Panel6", "Panel10", "Edit18"})
        EXPECT_TRUE(form->IsShown(shown)) << shown;
      for (const char* hidden : {"Panel13", "Panel14", "Button67"})
        EXPECT_FALSE(form->IsShown(hidden)) << hidden;
      Click("Button7");
      EXPECT_EQ(Text("Label36"), QStringLiteral("円筒の放熱"));
      EXPECT_TRUE(form->IsShown("Button67")) << "the pipe-flow button of the cylinder";
      EXPECT_LE(TakeMessages().size(), restore ? 0 : 1);
      form.reset();
    }
  }
}

// ---------------------------------------------------------------- Save

class Save : public FormFixture {
 protected:
  void SetUp() override {
    Open();
    // The results the heater would compute; Save needs them filled.
    Set("Edit1", QStringLiteral("150"));
    Set("Edit4", QStringLiteral("140"));
    Set("Edit21", QStringLiteral("160"));
  }
};

TEST_F(Save, HeaterSaveWritesItsCellsButNotTheBackOnlyOnes) {
  Set("Edit3", QStringLiteral("25"));
  Set("Edit9", QStringLiteral("3"));
  Set("Edit10", QStringLiteral("9"));
  form->Edit("Edit34")->setText(QStringLiteral("4"));  // disabled here; only a program could
  form->Button("Button6")->click();
  EXPECT_EQ(TakeMessages(), QStringList{kSaved});
  EXPECT_EQ(Cell(6, 8), QStringLiteral("25"));
  EXPECT_EQ(Cell(5, 1), QStringLiteral("160"));
  EXPECT_EQ(Cell(3, 12), QStringLiteral("2"));
  EXPECT_EQ(Cell(4, 12), QStringLiteral("7"));
  EXPECT_EQ(Cell(4, 13), QStringLiteral("2.5"));
  const QByteArray file = folder.Store();
  EXPECT_TRUE(file.contains("\r\n8,\" \",\" \",\" \",\" \",\" \",25\r\n")) << file.toStdString();
  EXPECT_TRUE(file.contains("\r\n1,\" \",5.670374419,0.00000001,\" \",160,hi-ta\r\n"));
  EXPECT_TRUE(file.startsWith("\" \",1,2,3,4,5,6\r\n"));
  EXPECT_EQ(file.count("\r\n"), 80);
  // Back shows the stored diameters and thickness again.
  form->Button("Button5")->click();
  EXPECT_EQ(Text("Edit9"), QStringLiteral("2"));
  EXPECT_EQ(Text("Edit10"), QStringLiteral("7"));
  EXPECT_EQ(Text("Edit34"), QStringLiteral("2.5"));
  EXPECT_EQ(Text("Edit3"), QStringLiteral("25"));
}

TEST_F(Save, EmptyRequiredFieldWritesNothingAndSaysNothing) {
  const QByteArray before = folder.Store();
  for (const char* name : {"Edit21", "Edit3", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit12",
                           "Edit13", "Edit1", "Edit4"}) {
    SCOPED_TRACE(name);
    const QString keep = Text(name);
    Set(name, QString());
    Set("Edit8", name == QLatin1String("Edit8") ? QString() : QStringLiteral("999"));
    form->Button("Button6")->click();
    EXPECT_EQ(TakeMessages(), QStringList());
    EXPECT_EQ(Cell(5, 11), QStringLiteral("500"));
    EXPECT_EQ(folder.Store(), before);
    Set(name, keep);
  }
  form->Dispatch().Select(Calculator::FlatPlate);
  Set("Edit5", QString());
  form->HeatLoss().Flat().Save();
  EXPECT_EQ(TakeMessages(), QStringList());
  EXPECT_EQ(folder.Store(), before);
}

TEST_F(Save, FlatSaveWritesItsFifteenCells) {
  form->Dispatch().Select(Calculator::FlatPlate);
  Set("Edit5", QStringLiteral("12"));
  Set("Edit24", QStringLiteral("45"));
  form->Button("Button16")->click();
  EXPECT_EQ(TakeMessages(), QStringList{kSaved});
  EXPECT_EQ(Cell(3, 21), QStringLiteral("12"));
  EXPECT_EQ(Cell(4, 22), QStringLiteral("45"));
  EXPECT_TRUE(folder.Store().contains("\r\n21,\" \",\" \",12,\" \",\" \",\r\n"));
}

// A failed write says so and leaves the old file whole. A read-only folder
// is the usual cause; as root the permission bits are not enforced, so a
// file size limit stands for a full disk there (the write then fails part
// way, which is the harder case for the old file).
// Two windows on the same files: a save over the other window's save asks
// first; いいえ keeps the other's save, はい writes.
TEST_F(Save, SaveOverAnotherWindowsSaveAsksFirst) {
  RecordingDialogs otherDialogs(folder.Path("scratch"));
  TForm1 other(folder.Dir(), otherDialogs);
  Set("Edit3", QStringLiteral("31"));
  form->Button("Button6")->click();
  EXPECT_EQ(TakeMessages(), QStringList{QStringLiteral("デ－タを保存しました")});
  const QByteArray first = folder.Store();
  other.Edit("Edit3")->setText(QStringLiteral("32"));
  other.Button("Button6")->click();
  ASSERT_EQ(otherDialogs.confirmations.size(), 1);
  EXPECT_TRUE(otherDialogs.confirmations[0].endsWith(QStringLiteral("-> no")));
  EXPECT_EQ(folder.Store(), first) << "nothing lost to the last writer";
  otherDialogs.Answer(true);
  other.Button("Button6")->click();
  EXPECT_EQ(otherDialogs.TakeMessages(), QStringList{QStringLiteral("デ－タを保存しました")});
  EXPECT_TRUE(folder.Store().contains("32"));
  // The first window now asks in turn.
  form->Button("Button6")->click();
  EXPECT_EQ(dialogs->confirmations.size(), 1);
  EXPECT_EQ(folder.Store().contains("32"), true);
}

TEST_F(Save, FailedWriteKeepsTheOldFile) {
  const QString store = folder.Path("G1de-ta/heatwork.csv");
  const QByteArray before = folder.Store();
  const QString g1 = folder.Path("G1de-ta");
  const QStringList filesBefore = QDir(g1).entryList(QDir::Files | QDir::Hidden);
  QFile::setPermissions(g1, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
  QFile probe(g1 + QStringLiteral("/probe"));
  const bool permissionsHold = !probe.open(QIODevice::WriteOnly);
  probe.close();
  probe.remove();

  struct rlimit saved {};
  getrlimit(RLIMIT_FSIZE, &saved);
  auto* previous = signal(SIGXFSZ, SIG_IGN);
  if (!permissionsHold) {
    struct rlimit small = saved;
    small.rlim_cur = 512;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  Set("Edit3", QStringLiteral("31"));
  form->Button("Button6")->click();
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  QFile::setPermissions(g1, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

  EXPECT_EQ(TakeMessages(), QStringList{QStringLiteral("ファイル %1 を作成できません").arg(store)});
  EXPECT_EQ(folder.Store(), before);
  EXPECT_EQ(QDir(g1).entryList(QDir::Files | QDir::Hidden), filesBefore) << "no temporary file is left";
  EXPECT_EQ(Cell(6, 8), QStringLiteral("31")) << "the table in memory keeps the new values";
}

TEST_F(Save, CharacterWithoutCodePageFormIsNamedAndNothingWritten) {
  const QByteArray before = folder.Store();
  Set("Edit3", QStringLiteral("20€"));
  form->Button("Button6")->click();
  EXPECT_EQ(
      TakeMessages(),
      QStringList{QStringLiteral("ファイル %1 を作成できません\r「€」はこのファイルに書けない文字です。")
                      .arg(folder.Path("G1de-ta/heatwork.csv"))});
  EXPECT_EQ(folder.Store(), before);
}

// A store file made read-only, or a store folder that has gone, refuses
// the save with the create message; nothing is put in its place.
TEST_F(Save, ReadOnlyStoreFileOrMissingFolderIsSaidAndNothingReplaced) {
  const QString store = folder.Path("G1de-ta/heatwork.csv");
  const QByteArray before = folder.Store();
  const QStringList files = QDir(folder.Path("G1de-ta")).entryList(QDir::Files | QDir::Hidden);
  ASSERT_TRUE(QFile::setPermissions(store, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  {
    OrdinaryUser user(folder.Dir());
    Set("Edit3", QStringLiteral("31"));
    form->Button("Button6")->click();
  }
  EXPECT_EQ(TakeMessages(), QStringList{QStringLiteral("ファイル %1 を作成できません").arg(store)});
  EXPECT_EQ(folder.Store(), before);
  EXPECT_FALSE(QFileInfo(store).permissions() & QFile::WriteOwner) << "still read-only";
  EXPECT_EQ(QDir(folder.Path("G1de-ta")).entryList(QDir::Files | QDir::Hidden), files) << "nothing left beside it";

  ASSERT_TRUE(QDir(folder.Path("G1de-ta")).removeRecursively());
  form->Button("Button6")->click();
  EXPECT_EQ(TakeMessages(), QStringList{QStringLiteral("ファイル %1 を作成できません").arg(store)});
  EXPECT_FALSE(QFileInfo::exists(folder.Path("G1de-ta"))) << "no folder is made in its place";
}

// A save cut off part way by a failing disk, at points spread over the whole
// file: the message each time, and the store as it was.
TEST_F(Save, SaveCutOffAnywhereKeepsTheStoreAsItWas) {
  const QString store = folder.Path("G1de-ta/heatwork.csv");
  const QByteArray before = folder.Store();
  static qint64 cutAt = 0;
  TextFile::SetWriteProbe([](qint64 written, qint64) { return written != cutAt; });
  int cuts = 0;
  for (cutAt = 0; cutAt <= before.size() + 40; cutAt += 31) {
    Set("Edit3", QString::number(cutAt));
    form->Button("Button6")->click();
    ASSERT_EQ(TakeMessages(), QStringList{QStringLiteral("ファイル %1 を作成できません").arg(store)}) << cutAt;
    ASSERT_EQ(folder.Store(), before) << "cut at byte " << cutAt;
    ++cuts;
  }
  TextFile::SetWriteProbe(nullptr);
  EXPECT_GT(cuts, 30);
  form->Button("Button6")->click();
  EXPECT_EQ(TakeMessages(), QStringList{kSaved});
  EXPECT_NE(folder.Store(), before);
}

// Every file the window writes (the report, the chart as PNG and SVG, a
// grid memo, the store) replaces an older one whole or not at all: on a
// disk that fills up while it is written (a file size limit stands for it)
// the write is said, naming the file, and the old file stays as it was,
// with nothing left beside it.
TEST_F(Save, EveryFileIsReplacedWholeOrNotAtAll) {
  QDir().mkpath(folder.Path("out"));
  const struct {
    const char* file;
    std::function<void()> write;
    QString done;
  } writers[] = {
      {"out/report.pdf",
       [&] {
         dialogs->fileNames.push_back(folder.Path("out/report.pdf"));
         form->Button("ReportButton")->click();
       },
       QString()},
      {"out/chart.png",
       [&] {
         dialogs->fileNames.push_back(folder.Path("out/chart.png"));
         form->Button("GraphSavePng")->click();
       },
       QString()},
      {"out/chart.svg",
       [&] {
         dialogs->fileNames.push_back(folder.Path("out/chart.svg"));
         form->Button("GraphSaveSvg")->click();
       },
       QString()},
      {"memocsv/表.csv",
       [&] {
         dialogs->Answer(true);  // replace it
         Set("Edit56", QStringLiteral("表"));
         form->Button("Button24")->click();
       },
       QStringLiteral("デ－タを保存しました")},
      {"G1de-ta/heatwork.csv", [&] { form->Button("Button6")->click(); }, kSaved},
  };
  form->Button("Button22")->click();
  form->Button("Button22")->click();  // the grid memo
  form->Grid("StringGrid3")->SetCell(1, 1, QStringLiteral("表の値"));
  constexpr rlim_t kLimit = 1000;
  for (const auto& w : writers) {
    SCOPED_TRACE(w.file);
    const QString path = folder.Path(w.file);
    w.write();
    TakeMessages();
    dialogs->confirmations.clear();
    const QByteArray before = folder.Bytes(w.file);
    ASSERT_GT(before.size(), static_cast<qsizetype>(kLimit)) << "the old file is whole";
    const QStringList beside = QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden);

    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = kLimit;
    auto* previous = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Set("Edit3", QStringLiteral("31"));
    w.write();
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);

    EXPECT_EQ(TakeMessages(), QStringList{QStringLiteral("ファイル %1 を作成できません").arg(path)});
    EXPECT_EQ(folder.Bytes(w.file), before) << "the old file stays whole";
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden), beside)
        << "nothing is left beside it";
    // With room on the disk the same write goes through.
    w.write();
    EXPECT_EQ(TakeMessages(), w.done.isEmpty() ? QStringList() : QStringList{w.done});
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden), beside);
    dialogs->confirmations.clear();
  }
}

// The store as a symbolic link to a file elsewhere: Save never writes
// through it (the file may be another folder's), as memo saves refuse
// links; the link and its file stay, and the engineer is told why.
TEST_F(Save, StoreThatIsASymbolicLinkIsNeverWrittenThrough) {
  const QString store = folder.Path("G1de-ta/heatwork.csv");
  QTemporaryDir elsewhere;
  const QString target = elsewhere.path() + QStringLiteral("/heatwork.csv");
  ASSERT_TRUE(QFile::copy(store, target));
  const QByteArray before = folder.Store();
  ASSERT_TRUE(QFile::remove(store));
  ASSERT_TRUE(QFile::link(target, store));
  const QStringList files = QDir(folder.Path("G1de-ta")).entryList(QDir::Files | QDir::Hidden | QDir::System);
  const QString refused =
      QStringLiteral("ファイル %1 を作成できません\rシンボリックリンクには書き込みません。").arg(store);
  Set("Edit3", QStringLiteral("31"));
  form->Button("Button6")->click();
  EXPECT_EQ(TakeMessages(), QStringList{refused});
  EXPECT_TRUE(QFileInfo(store).isSymLink());
  QFile linked(target);
  ASSERT_TRUE(linked.open(QIODevice::ReadOnly));
  EXPECT_EQ(linked.readAll(), before);
  EXPECT_EQ(QDir(folder.Path("G1de-ta")).entryList(QDir::Files | QDir::Hidden | QDir::System), files);

  // A link that leads nowhere: nothing is made at its end.
  ASSERT_TRUE(QFile::remove(target));
  form->Button("Button6")->click();
  EXPECT_EQ(TakeMessages(), QStringList{refused});
  EXPECT_FALSE(QFileInfo::exists(target));
  EXPECT_TRUE(QFileInfo(store).isSymLink());
}

TEST_F(Save, StoreFileReplacedByAFolderFailsWithTheCreateMessage) {
  const QString store = folder.Path("G1de-ta/heatwork.csv");
  QFile::remove(store);
  QDir().mkpath(store);
  form->Button("Button6")->click();
  EXPECT_EQ(TakeMessages(), QStringList{QStringLiteral("ファイル %1 を作成できません").arg(store)});
  EXPECT_TRUE(QFileInfo(store).isDir());
}

// ---------------------------------------------------------------- Run guards

// The cylinder Run first derives Edit11 from Edit12 x 2 + Edit10; whether
// Edit11 changed tells whether the guards let the Run through.
class RunGuard : public FormFixture {
 protected:
  void SetUp() override {
    Open();
    form->Dispatch().Select(Calculator::Cylinder);
    Set("Edit21", QStringLiteral("60"));
    Set("Edit10", QStringLiteral("100"));
    Set("Edit12", QStringLiteral("10"));
    Set("Edit11", QStringLiteral("marker"));
  }
  bool Ran() {
    form->Guarded([this] { form->HeatLoss().Cylinder().Run(); });
    const bool ran = Text("Edit11") != QStringLiteral("marker");
    Set("Edit11", QStringLiteral("marker"));
    return ran;
  }
};

TEST_F(RunGuard, EveryRequiredFieldHiddenOrNotStopsTheRun) {
  ASSERT_TRUE(Ran());
  for (const char* name : {"Edit3", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit12", "Edit34",
                           "Edit13", "Edit21", "Edit69", "Edit17"}) {
    const QString keep = Text(name);
    Set(name, QString());
    EXPECT_FALSE(Ran()) << name << (form->Control(name)->isHidden() ? " (hidden)" : "");
    Set(name, keep);
  }
  Set("Edit11", QString());
  form->Guarded([this] { form->HeatLoss().Cylinder().Run(); });
  EXPECT_EQ(Text("Edit11"), QString());
  TakeMessages();  // the calculator may complain about the marker inputs
}

TEST_F(RunGuard, BothThicknessesZeroStopsTheRunOneZeroDoesNot) {
  const struct {
    const char* edit34;
    const char* edit12;
    bool runs;
  } table[] = {{"0", "0", false}, {"0", "10", true}, {"6", "0", true}, {"0", "0.0", true}, {" 0", "0", true}};
  for (const auto& row : table) {
    Set("Edit34", QString::fromLatin1(row.edit34));
    Set("Edit12", QString::fromLatin1(row.edit12));
    EXPECT_EQ(Ran(), row.runs) << row.edit34 << " / " << row.edit12;
  }
  EXPECT_EQ(Text("Edit11"), QStringLiteral("marker"));
  TakeMessages();
}

TEST_F(RunGuard, DerivedDiameterIsWrittenInTheGeneralFormat) {
  Set("Edit10", QStringLiteral("114.3"));
  Set("Edit12", QStringLiteral("0.05"));
  form->Guarded([this] { form->HeatLoss().Cylinder().Run(); });
  EXPECT_EQ(Text("Edit11"), QStringLiteral("114.4"));
  Set("Edit12", QStringLiteral("abc"));
  form->Guarded([this] { form->HeatLoss().Cylinder().Run(); });
  EXPECT_EQ(TakeMessages(), QStringList{QStringLiteral("'abc' は浮動小数点数ではありません")});
  EXPECT_EQ(Text("Edit11"), QStringLiteral("114.4"));
}

// ---------------------------------------------------------------- restore

class Restore : public FormFixture {
 protected:
  void SetUp() override {
    folder.Write("G1de-ta/heatwork.csv", QByteArray("changed\r\n"));
    Open();
    // The start-up offers to restore the damaged store and is told no; the
    // store stops the start-up.
    ASSERT_EQ(dialogs->confirmations.size(), 1);
    dialogs->confirmations.clear();
    TakeMessages();
  }
  const QString question = QStringLiteral(
      "確認: 基本データに異常値が入力された場合、正常な起動ができません。\r初期のデータに変更してよいですか "
      "-> ");
  const QString done =
      QStringLiteral("データを初期のデータに戻しました。表示中の計算も初期のデータで計算しなおしました。");
};

TEST_F(Restore, ClickAsksAndNoKeepsTheStore) {
  Click("Label19");
  EXPECT_EQ(dialogs->confirmations, QStringList{question + QStringLiteral("no")});
  EXPECT_EQ(folder.Store(), QByteArray("changed\r\n"));
}

// The restore takes effect at once: the store in memory is the factory copy
// too, the calculator on screen shows its factory conditions and results,
// and the next Save keeps them instead of writing the old values back.
TEST_F(Restore, ClickAnsweredYesCopiesTheFactoryStoreAndKeepsTheOldOne) {
  form->Store().SetCell(2, 2, QStringLiteral("0.5"));
  Set("Edit16", QStringLiteral("0.5"));
  dialogs->Answer(true);
  Click("Label19");
  EXPECT_EQ(dialogs->confirmations, QStringList{question + QStringLiteral("yes")});
  EXPECT_EQ(TakeMessages(), QStringList{done});
  EXPECT_EQ(folder.Store(), folder.FactoryStore());
  EXPECT_EQ(Cell(2, 2), QStringLiteral("0.9")) << "the store in memory is the factory copy";
  EXPECT_EQ(Text("Edit16"), QStringLiteral("0.9")) << "the calculator on screen is loaded again";
  EXPECT_FALSE(Text("Edit18").isEmpty()) << "and run";
  QFile trashed(Trashed(QStringLiteral("heatwork.csv")));
  ASSERT_TRUE(trashed.open(QIODevice::ReadOnly)) << "the old store can be taken back";
  EXPECT_EQ(trashed.readAll(), QByteArray("changed\r\n"));

  Click("Button6");
  EXPECT_EQ(TakeMessages(), QStringList{QStringLiteral("デ－タを保存しました")});
  ConditionStore saved;
  saved.Load(folder.Path("G1de-ta/heatwork.csv"));
  EXPECT_EQ(saved.GetCell(2, 2), QStringLiteral("0.9"));

  // In heating mode the heating calculator stays on screen and is loaded again.
  ConditionStore factory;
  factory.Load(folder.Path("G1de-ta/heatworkA.csv"));
  Click("Button30");
  Set("Edit35", QStringLiteral("123"));
  DblClick("Label19");
  EXPECT_EQ(TakeMessages(), QStringList{done});
  EXPECT_TRUE(form->IsShown("Panel14"));
  EXPECT_EQ(Text("Edit35"), factory.GetCell(4, 41));
  EXPECT_NE(Text("Edit46"), QString()) << "and run";
}

TEST_F(Restore, DoubleClickCopiesWithoutAsking) {
  DblClick("Label19");
  // The first click of the pair asks (and is answered no); the double click itself does not ask.
  EXPECT_EQ(dialogs->confirmations.size(), 1);
  EXPECT_EQ(TakeMessages(), QStringList{done});
  EXPECT_EQ(folder.Store(), folder.FactoryStore());
}

TEST_F(Restore, FailedCopySaysSoInsteadOfSuccess) {
  QFile::remove(folder.Path("G1de-ta/heatworkA.csv"));
  DblClick("Label19");
  EXPECT_EQ(
      TakeMessages(),
      QStringList{QStringLiteral("ファイル %1 は開けません").arg(folder.Path("G1de-ta/heatworkA.csv"))});
  EXPECT_EQ(folder.Store(), QByteArray("changed\r\n"));
}

}  // namespace
