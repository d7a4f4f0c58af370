#include "Driver.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>
#include <QTableWidget>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTabBar>
#include <QTabWidget>
#include <QThread>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QThread>
#include <QProgressBar>

#include "app/TForm1.h"
#include "foundation/NumberText.h"
#include "operations/report/ReportCommands.h"
#include "widgets/ChartView.h"
#include "widgets/FileListBox.h"
#include "widgets/RecordingDialogs.h"
#include "widgets/StringGrid.h"
#include "widgets/Form.h"

namespace {

QString Head(const QString& s, QString* rest) {
  const int sp = static_cast<int>(s.indexOf(QLatin1Char(' ')));
  if (sp < 0) {
    *rest = QString();
    return s;
  }
  *rest = s.mid(sp + 1);
  return s.left(sp);
}

void SendMouse(QWidget* w, QEvent::Type type, QPoint pos) {
  const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

void SendKey(QWidget* w, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(w, &release);
}

int KeyOf(QChar c) {
  if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return Qt::Key_0 + (c.unicode() - '0');
  if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) return Qt::Key_A + (c.unicode() - 'a');
  if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) return Qt::Key_A + (c.unicode() - 'A');
  if (c == QLatin1Char('.')) return Qt::Key_Period;
  if (c == QLatin1Char('-')) return Qt::Key_Minus;
  if (c == QLatin1Char(' ')) return Qt::Key_Space;
  return 0;
}

// The widget that takes the mouse: the viewport of a scroll area.
QWidget* MouseTarget(QWidget* w) {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) return area->viewport();
  return w;
}

QString ColourOf(QWidget* w) {
  const bool base = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractScrollArea*>(w);
  return w->palette().color(base ? QPalette::Base : QPalette::Window).name(QColor::HexRgb).toUpper();
}

}  // namespace

Driver::Driver(Form& form, RecordingDialogs& dialogs, QTextStream& out)
    : form_(form), dialogs_(dialogs), out_(out) {}

QString Driver::Escape(const QString& text) {
  QString s;
  for (QChar c : text) {
    if (c == QLatin1Char('\\'))
      s += QStringLiteral("\\\\");
    else if (c == QLatin1Char('\r'))
      s += QStringLiteral("\\r");
    else if (c == QLatin1Char('\n'))
      s += QStringLiteral("\\n");
    else
      s += c;
  }
  return s;
}

void Driver::Print(const QString& line) {
  out_ << line << '\n';
  out_.flush();
}

namespace {

QWidget* Find(Form& form, const QString& name) {
  QWidget* w = form.FindControl(name);
  if (!w) throw DriverError{QStringLiteral("no control named ") + name};
  return w;
}

// A person can only act on a control that is visible and enabled.
QWidget* Reachable(Form& form, const QString& name) {
  QWidget* w = Find(form, name);
  if (!w->isVisibleTo(&form)) throw DriverError{name + QStringLiteral(" is hidden")};
  if (!w->isEnabled()) throw DriverError{name + QStringLiteral(" is disabled")};
  return w;
}

StringGrid* GridOf(Form& form, const QString& name) {
  auto* g = qobject_cast<StringGrid*>(Find(form, name));
  if (!g) throw DriverError{name + QStringLiteral(" is not a grid")};
  return g;
}

// Any table of the window: a grid, or a table of results.
QTableWidget* TableOf(Form& form, const QString& name) {
  auto* t = qobject_cast<QTableWidget*>(Find(form, name));
  if (!t) throw DriverError{name + QStringLiteral(" is not a table")};
  return t;
}

QString CellOf(QTableWidget* t, int c, int r) {
  if (auto* g = qobject_cast<StringGrid*>(t)) return g->Cell(c, r);
  const QTableWidgetItem* item = t->item(r, c);
  return item ? item->text() : QString();
}

ChartView* ChartOf(Form& form, const QString& name) {
  auto* c = qobject_cast<ChartView*>(Find(form, name));
  if (!c) throw DriverError{name + QStringLiteral(" is not a chart")};
  return c;
}

// The entries of a file list, a choice list or a check list.
QStringList EntriesOf(QWidget* w, const QString& name) {
  QStringList entries;
  if (auto* f = qobject_cast<FileListBox*>(w)) return f->Names();
  if (auto* c = qobject_cast<QComboBox*>(w)) {
    for (int i = 0; i < c->count(); ++i) entries << c->itemText(i);
    return entries;
  }
  if (auto* l = qobject_cast<QListWidget*>(w)) {
    for (int i = 0; i < l->count(); ++i) entries << l->item(i)->text();
    return entries;
  }
  throw DriverError{name + QStringLiteral(" is not a list")};
}

FileListBox* ListOf(Form& form, const QString& name) {
  auto* l = qobject_cast<FileListBox*>(Find(form, name));
  if (!l) throw DriverError{name + QStringLiteral(" is not a file list")};
  return l;
}

// A folder named in a script: "~/..." lies in the home folder, any other
// relative path in the working folder.
QString ScriptPath(Form& form, const QString& path) {
  if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
    return QDir::homePath() + path.mid(1);
  return QDir::isAbsolutePath(path) ? path : form.Path(path);
}

int IntArg(const QString& s) {
  bool ok = false;
  const int v = s.toInt(&ok);
  if (!ok) throw DriverError{QStringLiteral("not a number: ") + s};
  return v;
}

}  // namespace

QString Driver::Query(const QString& command, const QString& rest) {
  QString args;
  const QString name = Head(rest, &args);
  if (command == QLatin1String("get")) {
    QWidget* w = Find(form_, name);
    QString text;
    if (w == &form_)
      text = form_.windowTitle();
    else if (auto* e = qobject_cast<QLineEdit*>(w))
      text = e->text();
    else if (auto* l = qobject_cast<QLabel*>(w))
      text = l->text();
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
      text = b->text();
    else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
      text = m->toPlainText();
    else if (auto* g = qobject_cast<QGroupBox*>(w))
      text = g->title();
    return name + QLatin1Char('=') + Escape(text);
  }
  if (command == QLatin1String("shown"))
    return name + QStringLiteral(" shown=") + (Find(form_, name)->isVisibleTo(&form_) ? "1" : "0");
  if (command == QLatin1String("enabled"))
    return name + QStringLiteral(" enabled=") + (Find(form_, name)->isEnabled() ? "1" : "0");
  if (command == QLatin1String("checked")) {
    auto* b = qobject_cast<QAbstractButton*>(Find(form_, name));
    return name + QStringLiteral(" checked=") + (b && b->isChecked() ? "1" : "0");
  }
  if (command == QLatin1String("color")) return name + QStringLiteral(" color=") + ColourOf(Find(form_, name));
  if (command == QLatin1String("rows"))
    return name + QStringLiteral(" rows=") + QString::number(TableOf(form_, name)->rowCount());
  if (command == QLatin1String("items"))
    return name + QStringLiteral(" items=") + Escape(EntriesOf(Find(form_, name), name).join(QLatin1Char('|')));
  if (command == QLatin1String("cell")) {
    const QStringList p = args.split(QLatin1Char(' '));
    if (p.size() < 2) throw DriverError{QStringLiteral("cell GRID C R")};
    const int c = IntArg(p[0]), r = IntArg(p[1]);
    return QStringLiteral("%1(%2,%3)=").arg(name).arg(c).arg(r) + Escape(CellOf(TableOf(form_, name), c, r));
  }
  if (command == QLatin1String("files")) {
    // The names in a folder, sorted; nothing for a folder that is not there.
    const QStringList names =
        QDir(ScriptPath(form_, name)).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    return name + QStringLiteral(" files=") + Escape(names.join(QLatin1Char('|')));
  }
  if (command == QLatin1String("store")) {
    const int c = IntArg(name), r = IntArg(args);
    return QStringLiteral("store(%1,%2)=").arg(c).arg(r) + Escape(form_.Store().GetCell(c, r));
  }
  throw DriverError{QStringLiteral("unknown query ") + command};
}

int Driver::Run(const QString& rawLine) {
  QString line = rawLine;
  if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) return 0;
  QString rest;
  const QString command = Head(line, &rest);
  try {
    // wait: as expect, but the window may take a while (work on a worker
    // thread): the query is repeated, with the events in between, up to 30 s.
    if (command == QLatin1String("expect") ||
        (command == QLatin1String("wait") && rest.contains(QStringLiteral(" =")))) {
      int eq = static_cast<int>(rest.indexOf(QStringLiteral(" =")));
      if (eq < 0) throw DriverError{QStringLiteral("expect QUERY = TEXT")};
      QString expected = rest.mid(eq + 2);
      if (expected.startsWith(QLatin1Char(' '))) expected.remove(0, 1);
      QString queryArgs;
      const QString query = Head(rest.left(eq), &queryArgs);
      QString actual;
      QElapsedTimer waited;
      waited.start();
      for (;;) {
        const QString printed = Query(query, queryArgs);
        actual = printed.mid(printed.indexOf(QLatin1Char('=')) + 1);
        if (actual == expected || command == QLatin1String("expect") || waited.elapsed() > 30000) break;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(5);
      }
      if (actual != expected) {
        Print(QStringLiteral("MISMATCH: %1: expected '%2', got '%3'").arg(rest.left(eq), expected, actual));
        return 1;
      }
      return 0;
    }
    if (command == QLatin1String("series")) {
      // One line per curve, in the order drawn: "NAME series TITLE: x;y x;y ...".
      for (const ChartCurve& curve : ChartOf(form_, rest)->Plot().curves) {
        QStringList points;
        for (const ChartPoint& p : curve.points)
          points << NumberText(static_cast<long double>(p.x)) + QLatin1Char(';') +
                        NumberText(static_cast<long double>(p.y));
        Print(rest + QStringLiteral(" series ") + Escape(curve.title) + QStringLiteral(": ") + points.join(' '));
      }
      return 0;
    }
    if (command == QLatin1String("axis")) {
      const ChartPlot& plot = ChartOf(form_, rest)->Plot();
      Print(rest + QStringLiteral(" axis x=") + Escape(plot.xCaption));
      Print(rest + QStringLiteral(" axis y=") + Escape(plot.yCaption));
      if (!plot.y2Caption.isEmpty()) Print(rest + QStringLiteral(" axis y2=") + Escape(plot.y2Caption));
      return 0;
    }
    if (command == QLatin1String("get") || command == QLatin1String("shown") ||
        command == QLatin1String("enabled") || command == QLatin1String("checked") ||
        command == QLatin1String("color") || command == QLatin1String("rows") ||
        command == QLatin1String("items") || command == QLatin1String("cell") ||
        command == QLatin1String("files") || command == QLatin1String("store")) {
      Print(Query(command, rest));
      return 0;
    }
    QString text;
    const QString name = Head(rest, &text);
    if ((command == QLatin1String("set") || command == QLatin1String("type")) &&
        qobject_cast<QLineEdit*>(Find(form_, name)) && static_cast<QLineEdit*>(Find(form_, name))->isReadOnly())
      throw DriverError{name + QStringLiteral(" is read-only")};
    if (command == QLatin1String("set")) {
      QWidget* w = Reachable(form_, name);
      if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
      else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
        m->setPlainText(text);
      else
        throw DriverError{name + QStringLiteral(" takes no text")};
    } else if (command == QLatin1String("type")) {
      QWidget* w = Reachable(form_, name);
      w->setFocus();
      for (QChar c : text) SendKey(w, KeyOf(c), QString(c));
    } else if (command == QLatin1String("key")) {
      QWidget* w = Reachable(form_, name);
      static const QHash<QString, int> keys = {{QStringLiteral("Enter"), Qt::Key_Return},
                                               {QStringLiteral("Up"), Qt::Key_Up},
                                               {QStringLiteral("Down"), Qt::Key_Down},
                                               {QStringLiteral("Delete"), Qt::Key_Delete},
                                               {QStringLiteral("Escape"), Qt::Key_Escape}};
      if (!keys.contains(text)) throw DriverError{QStringLiteral("unknown key ") + text};
      const int key = keys.value(text);
      SendKey(w, key, key == Qt::Key_Return ? QStringLiteral("\r") : QString());
    } else if (command == QLatin1String("click") || command == QLatin1String("dblclick") ||
               command == QLatin1String("press") || command == QLatin1String("release")) {
      QWidget* w = MouseTarget(Reachable(form_, name));
      const QPoint centre = w->rect().center();
      if (command == QLatin1String("click") || command == QLatin1String("dblclick")) {
        SendMouse(w, QEvent::MouseButtonPress, centre);
        SendMouse(w, QEvent::MouseButtonRelease, centre);
      }
      if (command == QLatin1String("dblclick")) {
        SendMouse(w, QEvent::MouseButtonDblClick, centre);
        SendMouse(w, QEvent::MouseButtonRelease, centre);
      }
      if (command == QLatin1String("press")) SendMouse(w, QEvent::MouseButtonPress, centre);
      if (command == QLatin1String("release")) SendMouse(w, QEvent::MouseButtonRelease, centre);
    } else if (command == QLatin1String("setcell") || command == QLatin1String("presscell") ||
               command == QLatin1String("releasecell")) {
      StringGrid* g = GridOf(form_, name);
      const QStringList p = text.split(QLatin1Char(' '));
      if (p.size() < 2) throw DriverError{command + QStringLiteral(" GRID C R")};
      const int c = IntArg(p[0]), r = IntArg(p[1]);
      if (command == QLatin1String("setcell")) {
        g->SetCell(c, r, text.section(QLatin1Char(' '), 2));
      } else {
        Reachable(form_, name);
        g->scrollToItem(g->item(r, c) ? g->item(r, c) : nullptr);
        const QRect rect = g->visualRect(g->model()->index(r, c));
        SendMouse(g->viewport(),
                  command == QLatin1String("presscell") ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                  rect.center());
      }
    } else if (command == QLatin1String("select") && qobject_cast<QComboBox*>(Find(form_, name))) {
      // A choice list: the entry as a person picks it from the drop-down.
      auto* c = static_cast<QComboBox*>(Reachable(form_, name));
      const int i = c->findText(text);
      if (i < 0) throw DriverError{name + QStringLiteral(" has no entry ") + text};
      c->setCurrentIndex(i);
      emit c->activated(i);
    } else if (command == QLatin1String("select") && qobject_cast<QTabWidget*>(Find(form_, name))) {
      // A tabbed view: a click on the tab of that caption.
      auto* tabs = static_cast<QTabWidget*>(Reachable(form_, name));
      int i = tabs->count() - 1;
      while (i >= 0 && tabs->tabText(i) != text) --i;
      if (i < 0) throw DriverError{name + QStringLiteral(" has no tab ") + text};
      const QPoint at = tabs->tabBar()->tabRect(i).center();
      SendMouse(tabs->tabBar(), QEvent::MouseButtonPress, at);
      SendMouse(tabs->tabBar(), QEvent::MouseButtonRelease, at);
    } else if (command == QLatin1String("select") && !qobject_cast<FileListBox*>(Find(form_, name))) {
      // A check list: a click on the entry's box turns its check.
      auto* l = qobject_cast<QListWidget*>(Reachable(form_, name));
      if (!l) throw DriverError{name + QStringLiteral(" is not a list")};
      const QList<QListWidgetItem*> found = l->findItems(text, Qt::MatchExactly);
      if (found.isEmpty()) throw DriverError{name + QStringLiteral(" has no entry ") + text};
      QListWidgetItem* item = found.front();
      if (item->flags() & Qt::ItemIsUserCheckable)
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
      l->setCurrentItem(item);
      emit l->itemClicked(item);
    } else if (command == QLatin1String("select") || command == QLatin1String("dblclickitem")) {
      FileListBox* l = ListOf(form_, name);
      Reachable(form_, name);
      int row = -1;
      for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->text() == text) row = i;
      if (row < 0) throw DriverError{name + QStringLiteral(" has no entry ") + text};
      const QRect rect = l->visualItemRect(l->item(row));
      SendMouse(l->viewport(), QEvent::MouseButtonPress, rect.center());
      SendMouse(l->viewport(), QEvent::MouseButtonRelease, rect.center());
      if (command == QLatin1String("dblclickitem")) {
        SendMouse(l->viewport(), QEvent::MouseButtonDblClick, rect.center());
        SendMouse(l->viewport(), QEvent::MouseButtonRelease, rect.center());
      }
    } else if (command == QLatin1String("setstore")) {
      QString value;
      const QString row = Head(text, &value);
      form_.Store().SetCell(IntArg(name), IntArg(row), value);
    } else if (command == QLatin1String("screenshot")) {
      // Not a person's action: saves a picture of the window as PNG.
      if (!form_.grab().save(rest)) throw DriverError{QStringLiteral("cannot write ") + rest};
    } else if (command == QLatin1String("wait")) {
      // Until no work runs in the background: no progress bar shows (30 s at most).
      QElapsedTimer waited;
      waited.start();
      auto running = [this] {
        for (QProgressBar* bar : form_.findChildren<QProgressBar*>())
          if (bar->isVisibleTo(&form_)) return true;
        return false;
      };
      while (running()) {
        if (waited.elapsed() > 30000) throw DriverError{QStringLiteral("work in the background did not end")};
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
      }
    } else if (command == QLatin1String("report")) {
      // The report of the calculator on screen, as 報告書 writes it, without the save dialog.
      auto* window = qobject_cast<TForm1*>(&form_);
      if (!window) throw DriverError{QStringLiteral("no report in this window")};
      form_.Guarded([&] { window->Reports().WriteReport(ScriptPath(form_, rest)); });
    } else if (command == QLatin1String("answer")) {
      // yes, no, cancel: the next question; file PATH: the next save dialog.
      if (name == QLatin1String("file"))
        dialogs_.fileNames.push_back(ScriptPath(form_, text));
      else if (name == QLatin1String("cancel"))
        dialogs_.Answer(Dialogs::Reply::Cancel);
      else
        dialogs_.Answer(name == QLatin1String("yes"));
    } else if (command == QLatin1String("close")) {
      // The window's close button; "shown TForm1" tells whether it closed.
      form_.close();
    } else {
      throw DriverError{QStringLiteral("unknown command ") + command};
    }
    QApplication::processEvents();
  } catch (const DriverError& e) {
    Print(QStringLiteral("ERROR: ") + Escape(e.text));
    return 2;
  }
  return 0;
}
