// Guards that keep the program's shape: every include points down the
// layers and no two folders include each other in a circle; the
// calculations and their tests never reach for Qt; and every control name
// the sources use exists in the window, so a typo in "Edit68" fails here
// and not in front of the engineer.
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <functional>

#include "support/FormFixture.h"

namespace {

const QString kSource = QStringLiteral(HEATCALC_SOURCE_DIR);

// The layers from the bottom; a file may include its own layer or lower.
const QStringList kLayers = {"calc", "foundation", "store", "schedule", "widgets", "operations", "app"};

struct SourceFile {
  QString path;     // relative to the source folder, e.g. "src/store/TextFile.cpp"
  QString text;
};

QList<SourceFile> FilesUnder(const QString& folder) {
  QList<SourceFile> files;
  QDirIterator it(kSource + "/" + folder, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
      files.append({path.mid(kSource.size() + 1), QString::fromUtf8(file.readAll())});
  }
  return files;
}

// "src/operations/heatloss/X.cpp" -> layer "operations", folder "operations/heatloss".
QString LayerOf(const QString& inSrc) { return inSrc.section('/', 0, 0); }
QString FolderOf(const QString& inSrc) {
  const QStringList parts = inSrc.split('/');
  return parts.size() > 2 ? parts[0] + "/" + parts[1] : parts[0];
}

QStringList ProjectIncludes(const QString& text) {
  static const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s+"([^"]+)")re"),
                                          QRegularExpression::MultilineOption);
  QStringList names;
  for (auto m = include.globalMatch(text); m.hasNext();) names << m.next().captured(1);
  return names;
}

bool IncludesQt(const QString& text) {
  static const QRegularExpression qt(QStringLiteral(R"re(^\s*#\s*include\s+<Q)re"),
                                     QRegularExpression::MultilineOption);
  return qt.match(text).hasMatch();
}

TEST(Structure, IncludesPointDownTheLayersAndFoldersFormNoCircle) {
  QStringList faults;
  QHash<QString, QSet<QString>> folderEdges;
  for (const SourceFile& f : FilesUnder("src")) {
    const QString self = f.path.mid(4);  // without "src/"
    if (self == "CMakeLists.txt") continue;
    const int rank = kLayers.indexOf(LayerOf(self));
    if (rank < 0) {
      faults << f.path + " lies in no layer folder";
      continue;
    }
    if (rank == 0 && IncludesQt(f.text)) faults << f.path + " is a calculation and includes Qt";
    for (const QString& inc : ProjectIncludes(f.text)) {
      const int to = kLayers.indexOf(LayerOf(inc));
      // Every include of the sources names its file from src/: no path
      // relative to the including file, which moves with it.
      if (to < 0 || inc.contains(QStringLiteral(".."))) {
        faults << f.path + " includes " + inc + ", not a path from src/";
        continue;
      }
      if (to > rank) faults << f.path + " includes " + inc + ", a higher layer";
      if (FolderOf(inc) != FolderOf(self)) folderEdges[FolderOf(self)].insert(FolderOf(inc));
    }
  }
  // A circle among folders: a depth-first search that meets a folder on its path.
  QHash<QString, int> state;  // 1 on the path, 2 done
  std::function<void(const QString&, QStringList&)> visit = [&](const QString& folder, QStringList& path) {
    state[folder] = 1;
    path << folder;
    for (const QString& next : folderEdges.value(folder)) {
      if (state.value(next) == 1)
        faults << "folders include each other in a circle: " + path.mid(path.indexOf(next)).join(" -> ") + " -> " + next;
      else if (state.value(next) == 0)
        visit(next, path);
    }
    path.removeLast();
    state[folder] = 2;
  };
  for (const QString& folder : folderEdges.keys()) {
    QStringList path;
    if (state.value(folder) == 0) visit(folder, path);
  }
  // The calculation tests build without Qt; their includes stay in the calculations.
  for (const SourceFile& f : FilesUnder("tests/calc")) {
    if (IncludesQt(f.text)) faults << f.path + " is a calculation test and includes Qt";
    for (const QString& inc : ProjectIncludes(f.text)) {
      const bool helper = QFile::exists(kSource + "/tests/calc/" + inc) ||
                          QFile::exists(kSource + "/" + f.path.section('/', 0, -2) + "/" + inc);
      if (!helper && !inc.startsWith("calc/")) faults << f.path + " includes " + inc;
    }
  }
  EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

// The subsystems of src/operations may use each other only as the table
// "Sideways dependencies" of docs/ARCHITECTURE.md lists (and every one may
// use operations/common).
TEST(Structure, SubsystemsUseEachOtherOnlyAsTheArchitectureSays) {
  QFile doc(kSource + "/docs/ARCHITECTURE.md");
  ASSERT_TRUE(doc.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(doc.readAll());
  const QString table = text.section(QStringLiteral("## Sideways dependencies"), 1).section(QStringLiteral("\n## "), 0, 0);
  QHash<QString, QSet<QString>> allowed;
  static const QRegularExpression row(QStringLiteral(R"re(^\|\s*`(operations/\w+)`\s*\|([^|]*)\|)re"),
                                      QRegularExpression::MultilineOption);
  static const QRegularExpression folder(QStringLiteral("`(operations/\\w+)`"));
  for (auto m = row.globalMatch(table); m.hasNext();) {
    const auto r = m.next();
    for (auto f = folder.globalMatch(r.captured(2)); f.hasNext();) allowed[r.captured(1)].insert(f.next().captured(1));
  }
  ASSERT_FALSE(allowed.isEmpty()) << "the table is found";
  QStringList faults;
  for (const SourceFile& f : FilesUnder("src/operations")) {
    const QString self = FolderOf(f.path.mid(4));
    for (const QString& inc : ProjectIncludes(f.text)) {
      const QString to = FolderOf(inc);
      if (!to.startsWith(QStringLiteral("operations/")) || to == self || to == QStringLiteral("operations/common"))
        continue;
      if (!allowed.value(self).contains(to)) faults << f.path + " includes " + inc + ": " + self + " -> " + to + " is not in the table";
    }
  }
  EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

class ControlNames : public FormFixture {};

TEST_F(ControlNames, EveryNameTheSourcesUseExistsInTheWindow) {
  Open();
  // Names of the generated kinds anywhere in a string, and any name that a
  // control accessor or event of the form is given.
  static const QRegularExpression numbered(
      QStringLiteral(R"re("((?:Edit|Label|Button|Panel|StringGrid|FileListBox|RadioButton|GroupBox|Memo)[0-9]+)")re"));
  static const QRegularExpression accessor(QStringLiteral(
      R"re(\b(?:Text|SetText|Number|IsEmpty|IsShown|SetShown|SetEnabled|Control|Edit|Label|Button|Radio|Grid|Memo|List|)re"
      R"re(OnClick|OnDblClick|OnPress|OnRelease|OnEnter|DigitsOnly|SetInputColour|SetResultColour)\("([A-Za-z][A-Za-z0-9]*)")re"));
  QStringList missing;
  int checked = 0;
  for (const SourceFile& f : FilesUnder("src")) {
    QSet<QString> names;
    for (auto m = numbered.globalMatch(f.text); m.hasNext();) names.insert(m.next().captured(1));
    for (auto m = accessor.globalMatch(f.text); m.hasNext();) names.insert(m.next().captured(1));
    for (const QString& name : names) {
      ++checked;
      if (!form->FindControl(name)) missing << f.path + ": " + name;
    }
  }
  EXPECT_GT(checked, 200) << "the scan finds the sources";
  EXPECT_TRUE(missing.isEmpty()) << "names no control of the window:\n" << missing.join("\n").toStdString();
}

}  // namespace
