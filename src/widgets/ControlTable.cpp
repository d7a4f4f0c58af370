#include "widgets/ControlTable.h"

#include <QFrame>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <stdexcept>

#include "widgets/ChartView.h"
#include "widgets/FileListBox.h"
#include "widgets/StringGrid.h"
#include "widgets/Form.h"

namespace {

QWidget* Create(const ControlSpec& s, QWidget* parent) {
  const QString caption = QString::fromUtf8(s.caption ? s.caption : "");
  switch (s.kind) {
    case Kind::Panel: {
      auto* frame = new QFrame(parent);
      frame->setFrameShape(QFrame::Panel);
      frame->setFrameShadow(QFrame::Raised);
      return frame;
    }
    case Kind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      return label;
    }
    case Kind::Edit: {
      auto* edit = new QLineEdit(caption, parent);
      if (s.flags & kReadOnly) edit->setReadOnly(true);
      return edit;
    }
    case Kind::Button:
      return new QPushButton(caption, parent);
    case Kind::Radio:
      return new QRadioButton(caption, parent);
    case Kind::Group:
      return new QGroupBox(caption, parent);
    case Kind::Memo: {
      auto* memo = new QPlainTextEdit(caption, parent);
      if (s.flags & kNoWrap) memo->setLineWrapMode(QPlainTextEdit::NoWrap);
      if (s.flags & kReadOnly) memo->setReadOnly(true);
      return memo;
    }
    case Kind::Grid: {
      const QStringList size = caption.split(QLatin1Char(','));
      return new StringGrid(size.value(0).toInt(), size.value(1).toInt(), parent);
    }
    case Kind::List:
      return new FileListBox(parent);
    case Kind::Chart:
      return new ChartView(parent);
    case Kind::Choice:
      return new QComboBox(parent);
    case Kind::CheckList:
      return new QListWidget(parent);
    case Kind::Progress: {
      auto* bar = new QProgressBar(parent);
      bar->setTextVisible(false);
      return bar;
    }
    case Kind::Table: {
      auto* table = new QTableWidget(parent);
      table->setEditTriggers(QAbstractItemView::NoEditTriggers);
      table->verticalHeader()->hide();
      table->verticalHeader()->setDefaultSectionSize(18);
      return table;
    }
  }
  return nullptr;
}

}  // namespace

void BuildControls(Form& form, std::span<const ControlSpec> table) {
  for (const ControlSpec& s : table) {
    QWidget* parent = (s.parent && *s.parent) ? form.Control(s.parent) : &form;
    QWidget* w = Create(s, parent);
    w->setObjectName(QString::fromLatin1(s.name));
    w->setGeometry(s.x, s.y, s.w, s.h);
    form.Anchors().Note(w, w->geometry(), s.flags);
    if (s.colour) Form::SetBackground(w, s.colour);
    if (s.flags & kInput) {
      Form::SetBackground(w, 0xB5FFB5);
      w->setProperty("heatcalcInput", true);
    }
    if (s.flags & kBold) {
      QFont f = w->font();
      f.setBold(true);
      w->setFont(f);
    }
    if (s.flags & kDisabled) w->setEnabled(false);
    if (s.flags & kChecked)
      if (auto* r = qobject_cast<QRadioButton*>(w)) r->setChecked(true);
    // Every control's own visibility is set explicitly, so that a control's
    // "shown" state is its own flag even before the window is shown.
    w->setVisible(!(s.flags & kHidden));
    if (qobject_cast<QLabel*>(w)) w->installEventFilter(&form);
    form.Register(w);
    form.NoteTableLook(w, !(s.flags & kHidden), !(s.flags & kDisabled), s.flags & kInput,
                       QString::fromUtf8(s.caption ? s.caption : ""));
  }
}
