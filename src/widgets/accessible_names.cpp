#include "widgets/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextEdit>

#include "widgets/click_area.h"

namespace tintora {

namespace {

// "Slide to change the colour hue." -> "Slide to change the colour hue"; a multi-line hint
// gives its first line.
QString FirstPart(const QString& hint) {
  QString part = hint.section('\n', 0, 0).trimmed();
  const int stop = part.indexOf(". ");
  if (stop > 0) part = part.left(stop);
  while (part.endsWith('.') || part.endsWith(':')) part.chop(1);
  return part;
}

QString Caption(const QWidget* w) {
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text().remove('&');
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title().remove('&');
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  return {};
}

}  // namespace

bool UsableControl(const QWidget* w) {
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
         qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
         qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
         qobject_cast<const ClickArea*>(w) || w->focusPolicy() != Qt::NoFocus;
}

void NameControlsForScreenReaders(QWidget* root) {
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  QHash<const QWidget*, QString> labelled;  // a field and the label that names it
  for (QWidget* w : widgets)
    if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
      labelled.insert(label->buddy(), label->text().remove('&').remove(':'));
  for (QWidget* w : widgets) {
    if (!UsableControl(w) || !w->accessibleName().isEmpty()) continue;
    QString name = Caption(w);
    // A spin box's edit is read as the spin box; a field with a label is read by its label.
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w->parentWidget())) name = FirstPart(spin->toolTip());
    if (name.isEmpty()) name = labelled.value(w, labelled.value(w->parentWidget()));
    if (name.isEmpty()) name = FirstPart(w->toolTip());
    if (!name.isEmpty()) w->setAccessibleName(name);
  }
}

}  // namespace tintora
