// heatcalc-batch LIST.csv [-o SCHEDULE.csv] [--pdf SCHEDULE.pdf] [--jobs N]
//
// The insulation schedule of a line list without a window: the same reading
// of the lines, the same solves and the same CSV as the page 配管リスト of
// the analysis view. It links Qt Core alone; the PDF writer (Qt Gui) is a
// module loaded only when --pdf is given, on the offscreen platform.
//
// The defaults a list leaves to the window come from the conditions the
// window saved (G1de-ta/heatwork.csv of its working folder: beside the
// program when that folder can be written, else the user's data folder),
// the stock thicknesses, costs and material library from the same folder,
// and the pipe sizes from the shipped reference table.
//
// Exit status: 0 when every line is answered, 1 when some lines carry a
// reason (the schedule is written all the same), 2 when the list cannot be
// read or the schedule cannot be written (the reason on standard error).
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>

#include "foundation/Errors.h"
#include "schedule/LineList.h"
#include "schedule/PdfOutput.h"
#include "schedule/PipeSizes.h"
#include "schedule/ScheduleRun.h"
#include "schedule/ScheduleSettings.h"
#include "schedule/ScheduleTable.h"
#include "store/ConditionStore.h"

// The installed shipped data and the PDF module relative to the program's
// folder (set by the build).
#ifndef HEATCALC_SHIPPED_DATA
#define HEATCALC_SHIPPED_DATA "../share/heatcalc"
#endif
#ifndef HEATCALC_MODULE_DIR
#define HEATCALC_MODULE_DIR "../lib/heatcalc"
#endif

using namespace Schedule;

namespace {

constexpr int kAnswered = 0, kSomeReasons = 1, kFailed = 2;

void Print(const QString& text) { std::fputs(qUtf8Printable(text + QLatin1Char('\n')), stderr); }

const char* const kUsage =
    "使い方: heatcalc-batch 配管リスト.csv [-o 保温リスト.csv] [--pdf 保温リスト.pdf] [--jobs N]\n"
    "  配管リストの各行の保温厚さを求め、CSV（配管リストと同じ文字コード）に書き出します。\n"
    "  -o      書き出す CSV（省略すると配管リストの横に <名前>_保温リスト.csv）\n"
    "  --pdf   保温リストの PDF（横向き A4）も書き出す\n"
    "  --jobs  使うスレッドの数（省略すると CPU のコアの数）\n"
    "  終了コード: 0 すべての行に答え、1 理由のある行がある、2 リストを読めないか書き出せない\n";

struct Arguments {
  QString list, csv, pdf;
  int jobs = 0;
  QString problem;
};

Arguments Parse(int argc, char** argv) {
  Arguments a;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    auto value = [&](QString& into) {
      if (i + 1 >= argc) {
        a.problem = QStringLiteral("%1 の後に値がありません。").arg(arg);
        return;
      }
      into = QString::fromLocal8Bit(argv[++i]);
    };
    if (arg == QLatin1String("-o") || arg == QLatin1String("--output")) {
      value(a.csv);
    } else if (arg == QLatin1String("--pdf")) {
      value(a.pdf);
    } else if (arg == QLatin1String("--jobs") || arg == QLatin1String("-j")) {
      QString n;
      value(n);
      bool ok = false;
      a.jobs = n.toInt(&ok);
      if (!a.problem.isEmpty()) break;
      if (!ok || a.jobs < 1) a.problem = QStringLiteral("--jobs '%1' は 1 以上の整数にしてください。").arg(n);
    } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
      a.problem = QStringLiteral("知らないオプション %1").arg(arg);
    } else if (a.list.isEmpty()) {
      a.list = arg;
    } else {
      a.problem = QStringLiteral("配管リストは1つだけ指定してください（%1）。").arg(arg);
    }
    if (!a.problem.isEmpty()) break;
  }
  if (a.problem.isEmpty() && a.list.isEmpty()) a.problem = QStringLiteral("配管リストを指定してください。");
  return a;
}

// Where the command finds what the window would use.
struct Folders {
  QString program;  // the executable's folder
  QString shipped;  // the shipped data
  QString working;  // the window's working folder, as far as it exists
  QString Find(const QString& relative) const {
    const QString own = working + QLatin1Char('/') + relative;
    return QFileInfo::exists(own) ? own : shipped + QLatin1Char('/') + relative;
  }
};

Folders Locate() {
  Folders f;
  f.program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
  const QFileInfo beside(f.program + QStringLiteral("/G1de-ta"));
  f.shipped =
      beside.isDir() ? f.program : QDir::cleanPath(f.program + QStringLiteral("/" HEATCALC_SHIPPED_DATA));
  // As the window chooses it (WorkingFolder.h), without setting anything up.
  QCoreApplication::setApplicationName(QStringLiteral("heatcalc"));
  const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (beside.isDir() && beside.isWritable())
    f.working = f.program;
  else if (!user.isEmpty() && QFileInfo(user + QStringLiteral("/G1de-ta")).isDir())
    f.working = user;
  else
    f.working = f.shipped;
  return f;
}

WindowSettings Settings(const Folders& f) {
  QString store = f.Find(QStringLiteral("G1de-ta/heatwork.csv"));
  if (!QFileInfo::exists(store)) store = f.Find(QStringLiteral("G1de-ta/heatworkA.csv"));
  ConditionStore conditions;
  QString source = QStringLiteral("保存された条件（%1）").arg(QDir::toNativeSeparators(store));
  try {
    conditions.Load(store);
  } catch (const AppError&) {
    source = QStringLiteral("既定値（条件のファイル %1 が読めません）").arg(QDir::toNativeSeparators(store));
  }
  WindowSettings s = FromStore(conditions, source);
  ReadEngineerFiles(s, [&f](const QString& name) {
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return f.Find(relative);
  });
  return s;
}

// The progress on standard error when it is a terminal: one line, rewritten.
class Progress {
 public:
  explicit Progress(int total) : total_(total), shown_(isatty(STDERR_FILENO) != 0) {}
  void Show(int done) {
    if (!shown_) return;
    const auto now = std::chrono::steady_clock::now();
    if (done < total_ && now - last_ < std::chrono::milliseconds(100)) return;
    last_ = now;
    std::fprintf(stderr, "\r%s", qUtf8Printable(QStringLiteral("計算中 %1 / %2 行").arg(done).arg(total_)));
    std::fflush(stderr);
  }
  void End() {
    if (shown_) std::fputs("\n", stderr);
  }

 private:
  int total_;
  bool shown_;
  std::chrono::steady_clock::time_point last_{};
};

std::atomic<bool> interrupted{false};
extern "C" void OnInterrupt(int) { interrupted = true; }

}  // namespace

int main(int argc, char** argv) {
  const Arguments args = Parse(argc, argv);
  if (!args.problem.isEmpty()) {
    Print(QStringLiteral("heatcalc-batch: ") + args.problem);
    std::fputs(kUsage, stderr);
    return kFailed;
  }
  const ReadOutcome read = ReadLineList(args.list);
  if (!read.list) {
    Print(QStringLiteral("heatcalc-batch: ") + read.problem);
    return kFailed;
  }
  const LineList& list = *read.list;
  const Folders folders = Locate();
  const WindowSettings window = Settings(folders);
  PipeSizes sizes;
  try {
    sizes = PipeSizes::Read(folders.Find(PipeSizes::kFile));
  } catch (const AppError& e) {
    // Lines with an outer diameter are still answered; a nominal size says it is not found.
    Print(QStringLiteral("heatcalc-batch: 鋼管の外径の表: ") + e.text());
  }

  // Ctrl+C ends the run between lines; what is done is not written.
  std::signal(SIGINT, OnInterrupt);
  const ReadingContext context{list, window, sizes};
  Progress progress(static_cast<int>(list.lines.size()));
  RunControl control;
  control.jobs = args.jobs;
  control.cancel = &interrupted;
  control.onLine = [&progress](const LineResult&, int done, int) { progress.Show(done); };
  const RunOutcome run = RunSchedule(context, control);
  progress.End();
  if (run.cancelled) {
    Print(QStringLiteral("heatcalc-batch: 中断しました。保温リストは書き出していません。"));
    return kFailed;
  }

  const ScheduleTable table(list);
  const QDateTime made = QDateTime::currentDateTime();
  const QStringList notes = table.Notes(window, made);
  const QString csv = args.csv.isEmpty() ? DefaultSchedulePath(args.list) : args.csv;
  try {
    bool lossless = true;
    WriteOutput(csv, table.Csv(run.lines, notes, &lossless), args.list);
    if (!lossless)
      Print(QStringLiteral("heatcalc-batch: シフトJIS にない文字を '?' にしました（%1）。").arg(csv));
    if (!args.pdf.isEmpty()) {
      const QStringList moduleFolders = {
          folders.program, QDir::cleanPath(folders.program + QStringLiteral("/" HEATCALC_MODULE_DIR))};
      const PdfResult pdf = PdfThroughModule(table.Document(run.lines, notes, made), moduleFolders);
      if (pdf.pdf.isEmpty())
        throw FileError(QStringLiteral("ファイル %1 を作成できません\n%2").arg(args.pdf, pdf.problem));
      WriteSchedulePdf(args.pdf, pdf.pdf, args.list);
    }
  } catch (const AppError& e) {
    Print(QStringLiteral("heatcalc-batch: ") + e.text());
    return kFailed;
  }

  int answered = 0;
  QStringList reasons;
  for (const LineResult& r : run.lines) {
    if (r.answered)
      ++answered;
    else
      reasons << r.status;
  }
  constexpr int kShown = 20;
  for (int i = 0; i < reasons.size() && i < kShown; ++i) Print(reasons[i]);
  if (reasons.size() > kShown)
    Print(QStringLiteral("ほか %1 行に理由があります。").arg(reasons.size() - kShown));
  Print(QStringLiteral("%1: %2 行のうち %3 行に答え、%4 行に理由があります。書き出し: %5%6")
            .arg(QFileInfo(args.list).fileName())
            .arg(run.lines.size())
            .arg(answered)
            .arg(reasons.size())
            .arg(QDir::toNativeSeparators(csv),
                 args.pdf.isEmpty() ? QString() : QStringLiteral("、") + args.pdf));
  return reasons.isEmpty() ? kAnswered : kSomeReasons;
}
