#include "widgets/Form.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QGroupBox>
#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "widgets/Dialogs.h"
#include "foundation/Errors.h"
#include "widgets/FileListBox.h"
#include "widgets/InputMarks.h"
#include "foundation/FloatFaults.h"
#include "foundation/NumberText.h"
#include "widgets/StringGrid.h"

namespace {
constexpr unsigned kInputColour = 0xB5FFB5;

}  // namespace

Form::Form(const QString& appDir, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), appDir_(appDir), dialogs_(dialogs), marks_(new InputMarks(*this)) {}

Form::~Form() = default;

QString Form::Path(const QString& relative) const {
  QString rel = relative;
  rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return appDir_ + QLatin1Char('/') + rel;
}

void Form::Message(const QString& text) {
  FloatFaults::Check();
  dialogs_.Message(text);
}

bool Form::Confirm(const QString& text) {
  FloatFaults::Check();
  return dialogs_.Confirm(QStringLiteral("確認"), text);
}

// ---------------------------------------------------------------- controls

void Form::Register(QWidget* control) {
  widgets_.Add(control);
  marks_->Watch(control);
  // Enter on a focused button presses it, as Space does.
  if (qobject_cast<QPushButton*>(control)) control->installEventFilter(this);
}

QWidget* Form::FindControl(const QString& name) const {
  if (name == objectName()) return const_cast<Form*>(this);
  return widgets_.Find(name);
}

QWidget* Form::Control(const char* name) const { return widgets_.Get(name); }

namespace {
template <class T>
T* As(QWidget* w, const char* name) {
  T* t = qobject_cast<T*>(w);
  if (!t) throw std::logic_error(std::string("control of another kind: ") + name);
  return t;
}
}  // namespace

QLineEdit* Form::Edit(const char* name) const { return As<QLineEdit>(Control(name), name); }
QLabel* Form::Label(const char* name) const { return As<QLabel>(Control(name), name); }
QPushButton* Form::Button(const char* name) const { return As<QPushButton>(Control(name), name); }
QRadioButton* Form::Radio(const char* name) const { return As<QRadioButton>(Control(name), name); }
StringGrid* Form::Grid(const char* name) const { return As<StringGrid>(Control(name), name); }
QPlainTextEdit* Form::Memo(const char* name) const { return As<QPlainTextEdit>(Control(name), name); }
FileListBox* Form::List(const char* name) const { return As<FileListBox>(Control(name), name); }

// ---------------------------------------------------------------- texts

QString Form::Text(const char* name) const {
  QWidget* w = Control(name);
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  if (auto* m = qobject_cast<QPlainTextEdit*>(w)) return m->toPlainText();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
  return QString();
}

void Form::SetText(const char* name, const QString& text) {
  FloatFaults::Check();
  QWidget* w = Control(name);
  FloatFaults::Keep keep;
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    marks_->ProgramWrites(e);
    e->setText(text);
    e->setCursorPosition(0);
    marks_->ProgramWrote();
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    l->setText(text);
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    b->setText(text);
  } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
    m->setPlainText(text);
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    g->setTitle(text);
  } else if (auto* c = qobject_cast<QComboBox*>(w)) {
    c->setCurrentIndex(c->findText(text));  // a text it lacks shows no entry
  }
}

long double Form::Number(const char* name) const {
  const QString text = Text(name);
  auto* field = qobject_cast<QLineEdit*>(Control(name));
  marks_->NumberRead();
  long double value = 0;
  try {
    value = ToNumber(text);
  } catch (const ConversionError&) {
    if (field) marks_->MarkWrong(field);
    throw;
  }
  const QString half = HalfWidthNumber(text);
  if (half != text && field) {
    FloatFaults::Keep keep;
    marks_->ProgramWrites(field);
    field->setText(half);
    marks_->ProgramWrote();
  }
  return value;
}

bool Form::IsChecked(const char* name) const {
  auto* b = qobject_cast<QAbstractButton*>(Control(name));
  return b && b->isChecked();
}

// ---------------------------------------------------------------- look

bool Form::IsShown(const char* name) const { return !Control(name)->isHidden(); }

void Form::SetShown(const char* name, bool shown) {
  FloatFaults::Keep keep;
  Control(name)->setVisible(shown);
}

void Form::ShowControls(std::initializer_list<const char*> names) {
  for (const char* n : names) SetShown(n, true);
}

void Form::HideControls(std::initializer_list<const char*> names) {
  for (const char* n : names) SetShown(n, false);
}

void Form::SetEnabled(const char* name, bool enabled) { Control(name)->setEnabled(enabled); }

void Form::EnableControls(std::initializer_list<const char*> names, bool enabled) {
  for (const char* n : names) SetEnabled(n, enabled);
}

void Form::SetBackground(QWidget* w, unsigned rgb) {
  QPalette p = w->palette();
  const QColor c(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                 static_cast<int>(rgb & 0xFF));
  if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractScrollArea*>(w)) {
    p.setColor(QPalette::Base, c);
  } else {
    p.setColor(QPalette::Window, c);
    w->setAutoFillBackground(true);
  }
  w->setPalette(p);
}

void Form::SetInputColour(const char* name) {
  SetBackground(Control(name), kInputColour);
  Control(name)->setProperty("heatcalcInput", true);
}

void Form::SetResultColour(const char* name) {
  QWidget* w = Control(name);
  w->setProperty("heatcalcInput", false);
  QPalette p = w->palette();
  p.setColor(QPalette::Base, palette().color(QPalette::Base));
  w->setPalette(p);
}

void Form::NoteTableLook(QWidget* control, bool shown, bool enabled, bool input, const QString& caption) {
  widgets_.NoteTableLook(control, {shown, enabled, input, caption});
}

void Form::RestoreTableLook(const char* name, Aspect aspect) {
  QWidget* w = Control(name);
  const WidgetRegistry::TableLook* it = widgets_.TableLookOf(w);
  if (!it) return;
  switch (aspect) {
    case Aspect::Shown:
      SetShown(name, it->shown);
      break;
    case Aspect::Enabled:
      SetEnabled(name, it->enabled);
      break;
    case Aspect::Colour:
      if (it->input)
        SetInputColour(name);
      else
        SetResultColour(name);
      break;
    case Aspect::Caption:
      if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)) SetText(name, it->caption);
      break;
  }
}

// ---------------------------------------------------------------- events

Form::Handlers& Form::HandlersOf(const char* name) {
  QWidget* w = Control(name);
  QObject* target = w;
  if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) target = area->viewport();
  if (!handlers_.contains(target)) target->installEventFilter(this);
  return handlers_[target];
}

void Form::OnClick(const char* name, Op op) {
  QWidget* w = Control(name);
  if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    connect(b, &QAbstractButton::clicked, this, [this, op] { Guarded(op); });
    return;
  }
  HandlersOf(name).click.push_back(std::move(op));
}

void Form::OnDblClick(const char* name, Op op) { HandlersOf(name).dblClick.push_back(std::move(op)); }
void Form::OnPress(const char* name, Op op) { HandlersOf(name).press.push_back(std::move(op)); }
void Form::OnRelease(const char* name, Op op) { HandlersOf(name).release.push_back(std::move(op)); }
void Form::OnEnter(const char* name, Op op) { HandlersOf(name).enter.push_back(std::move(op)); }
void Form::DigitsOnly(const char* name) { HandlersOf(name).digitsOnly = true; }

void Form::Guarded(const Op& op) {
  if (guardDepth_ > 0) {
    op();
    return;
  }
  struct Depth {
    int& d;
    explicit Depth(int& depth) : d(depth) { ++d; }
    ~Depth() { --d; }
  } depth(guardDepth_);
  FloatFaults::Clear();
  marks_->OperationBegins();
  bool failed = false;
  try {
    op();
  } catch (const AppError& e) {
    FloatFaults::Clear();
    failed = true;
    dialogs_.Message(e.text());
    marks_->FocusWrong();
  } catch (const std::exception& e) {
    FloatFaults::Clear();
    failed = true;
    dialogs_.Message(QString::fromUtf8(e.what()));
  }
  FloatFaults::Clear();
  marks_->OperationEnds(failed);
  for (const AfterOp& listener : afterOperation_) {
    try {
      listener(failed);
    } catch (const std::exception&) {
    }
    FloatFaults::Clear();
  }
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress)
    if (auto* button = qobject_cast<QPushButton*>(watched)) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if ((key == Qt::Key_Return || key == Qt::Key_Enter) && button->isEnabled()) {
        button->click();
        return true;
      }
    }
  const bool isLabel = qobject_cast<QLabel*>(watched) != nullptr;
  auto it = handlers_.find(watched);
  if (it == handlers_.end()) {
    // Labels keep their mouse events, as captions do, so a click on one
    // never reaches the panel below it.
    if (isLabel && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
                    event->type() == QEvent::MouseButtonDblClick))
      return true;
    return QWidget::eventFilter(watched, event);
  }
  auto run = [this](const std::vector<Op>& ops) {
    for (const Op& op : ops) Guarded(op);
  };
  Handlers& h = it.value();
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !h.enter.empty()) {
        const std::vector<Op> ops = h.enter;
        run(ops);
        return true;
      }
      if (h.digitsOnly && !key->text().isEmpty()) {
        for (QChar c : key->text())
          if (c.isPrint() && !(c >= QLatin1Char('0') && c <= QLatin1Char('9'))) return true;
      }
      break;
    }
    case QEvent::MouseButtonPress: {
      const std::vector<Op> ops = h.press;
      run(ops);
      if (isLabel) return true;
      break;
    }
    case QEvent::MouseButtonRelease: {
      const bool afterDbl = h.afterDblClick;
      h.afterDblClick = false;
      const std::vector<Op> clicks = afterDbl ? std::vector<Op>() : h.click;
      const std::vector<Op> releases = h.release;
      run(releases);
      run(clicks);
      if (isLabel) return true;
      break;
    }
    case QEvent::MouseButtonDblClick: {
      h.afterDblClick = true;
      const std::vector<Op> ops = h.dblClick;
      run(ops);
      if (isLabel || !ops.empty()) return true;
      break;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- Tab order

bool Form::focusNextPrevChild(bool next) {
  auto* current = qobject_cast<QLineEdit*>(focusWidget());
  const QWidget* lower = FindControl(QStringLiteral("Panel1"));
  if (!current || !lower || !lower->isAncestorOf(current)) return QWidget::focusNextPrevChild(next);
  // The input fields of the panels on screen, panel by panel from the left,
  // each in reading order: by rows, then from the left.
  struct Stop {
    int panel, y, x;
    QLineEdit* field;
  };
  std::vector<Stop> stops;
  for (QWidget* w : widgets_.All()) {
    auto* e = qobject_cast<QLineEdit*>(w);
    if (!e || !lower->isAncestorOf(e)) continue;
    // The field that has the focus counts too, so that Tab goes on from it.
    const bool input = e->property("heatcalcInput").toBool() && !e->isReadOnly() && e->isEnabled() &&
                       e->isVisibleTo(this);
    if (!input && e != current) continue;
    const QWidget* panel = e;
    while (panel->parentWidget() != lower) panel = panel->parentWidget();
    const QPoint at = e->mapTo(this, QPoint(0, 0));
    stops.push_back({panel->mapTo(this, QPoint(0, 0)).x(), at.y(), at.x(), e});
  }
  std::sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
    if (a.panel != b.panel) return a.panel < b.panel;
    if (std::abs(a.y - b.y) > 6) return a.y < b.y;
    return a.x < b.x;
  });
  const auto it = std::find_if(stops.begin(), stops.end(), [current](const Stop& s) { return s.field == current; });
  if (stops.size() < 2 || it == stops.end()) return QWidget::focusNextPrevChild(next);
  const std::ptrdiff_t n = static_cast<std::ptrdiff_t>(stops.size());
  const std::ptrdiff_t i = ((it - stops.begin()) + (next ? 1 : -1) + n) % n;
  QLineEdit* to = stops[static_cast<size_t>(i)].field;
  to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  to->selectAll();
  return true;
}
