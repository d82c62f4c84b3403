// Every window and every page at several desktop fonts (and, run again under QT_SCALE_FACTOR,
// several scales): no caption is cut, no tab bar scrolls, no control lies outside its parent.
// With TINTORA_SHOTS set to a folder, each window is also saved there as a picture.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include "widgets/elided_label.h"
#include "widgets/window_scroller.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

QString Describe(const QWidget* w) {
  QString text;
  if (auto* l = qobject_cast<const QLabel*>(w)) text = l->text();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) text = b->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) text = g->title();
  if (auto* c = qobject_cast<const QComboBox*>(w)) text = c->currentText();
  return QString("%1 (%2, \"%3\")").arg(w->objectName(), w->metaObject()->className(), text);
}

// Parts Qt builds inside its own controls (the tab bar's scroll buttons, a spin box's edit, a
// scroll area's viewport) are Qt's to place; the scroller that holds a whole window is not one
// of those controls, but what it scrolls may lie beyond its view.
bool QtsOwnPart(const QWidget* w) {
  for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
    if (qobject_cast<const QTabBar*>(p) || qobject_cast<const QComboBox*>(p) ||
        qobject_cast<const QAbstractSpinBox*>(p) ||
        (qobject_cast<const QAbstractScrollArea*>(p) && !qobject_cast<const WindowScroller*>(p)))
      return true;
  return qobject_cast<const WindowScroller*>(w->parentWidget()) ||
         qobject_cast<const WindowScroller*>(w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr);
}

// What is wrong with one control, or nothing.
QString Offence(const QWidget* w) {
  const QWidget* parent = w->parentWidget();
  if (parent && !w->isWindow() && !QtsOwnPart(w) && !parent->rect().contains(w->geometry()))
    return "lies outside its parent " + parent->objectName();
  const bool captioned =
      qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QGroupBox*>(w) ||
      (qobject_cast<const QLabel*>(w) && !qobject_cast<const ElidedLabel*>(w) &&
       !static_cast<const QLabel*>(w)->wordWrap() && !static_cast<const QLabel*>(w)->hasScaledContents());
  if (captioned && !QtsOwnPart(w) &&
      (w->width() < w->minimumSizeHint().width() || w->height() < w->minimumSizeHint().height()))
    return QString("is cut: %1x%2 where it needs %3x%4")
        .arg(w->width())
        .arg(w->height())
        .arg(w->minimumSizeHint().width())
        .arg(w->minimumSizeHint().height());
  if (auto* combo = qobject_cast<const QComboBox*>(w)) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    if (combo->fontMetrics().horizontalAdvance(combo->currentText()) > field.width())
      return QString("shows \"%1\" cut in a field %2 wide").arg(combo->currentText()).arg(field.width());
  }
  if (auto* bar = qobject_cast<const QTabBar*>(w)) {
    for (int i = 0; i < bar->count(); ++i)
      if (!bar->rect().contains(bar->tabRect(i)))
        return QString("hides the tab \"%1\" (needs scrolling)").arg(bar->tabText(i));
  }
  return {};
}

void Walk(const QWidget* window, const QWidget* w, QStringList& problems) {
  std::vector<const QWidget*> placed;
  for (const QObject* o : w->children()) {
    auto* child = qobject_cast<const QWidget*>(o);
    if (!child || child->isWindow() || !child->isVisibleTo(window)) continue;
    if (const QString offence = Offence(child); !offence.isEmpty())
      problems << window->objectName() + ": " + Describe(child) + " " + offence;
    // Controls side by side never lie over each other (a layout squeezed below what one of
    // them must have does that).
    if (!QtsOwnPart(child))
      for (const QWidget* other : placed)
        if (child->geometry().intersects(other->geometry()))
          problems << window->objectName() + ": " + Describe(child) + " lies over " + Describe(other);
    placed.push_back(child);
    Walk(window, child, problems);
  }
}

class LayoutWalk : public WindowTest, public ::testing::WithParamInterface<int> {
 protected:
  void BeforeWindow() override {
    original_ = QApplication::font();
    QFont desktop("DejaVu Sans");
    desktop.setPointSize(GetParam());
    QApplication::setFont(desktop);
  }
  void TearDown() override {
    WindowTest::TearDown();
    QApplication::setFont(original_);
  }
  // The window as it is now: its offences, and its picture when pictures are asked for.
  void Look(QWidget* window, const QString& what) {
    QApplication::processEvents();
    window->ensurePolished();
    if (window->layout()) window->layout()->activate();
    QStringList problems;
    if (window->width() < window->minimumSizeHint().width())
      problems << window->objectName() + " is narrower than its contents";
    // Wholly on its screen's free area, frame included, whatever grew it (a window that cannot
    // be made small enough for the screen at all at least starts at its corner).
    if (const QScreen* screen = window->screen()) {
      const QRect area = screen->availableGeometry(), frame = window->frameGeometry();
      const QSize least =
          window->minimumSizeHint().expandedTo(window->minimumSize()) + frame.size() - window->size();
      const bool couldFit = least.width() <= area.width() && least.height() <= area.height();
      if (couldFit ? !area.contains(frame) : !area.contains(frame.topLeft()))
        problems << QString("%1 at %2,%3 %4x%5 leaves the screen's %6x%7")
                        .arg(window->objectName())
                        .arg(frame.x())
                        .arg(frame.y())
                        .arg(frame.width())
                        .arg(frame.height())
                        .arg(area.width())
                        .arg(area.height());
    }
    Walk(window, window, problems);
    for (const QString& p : problems)
      ADD_FAILURE() << GetParam() << " pt, " << what.toStdString() << ": " << p.toStdString();
    if (const QString folder = qEnvironmentVariable("TINTORA_SHOTS"); !folder.isEmpty())
      window->grab().save(QString("%1/%2-%3pt-x%4.png")
                              .arg(folder, what)
                              .arg(GetParam())
                              .arg(qEnvironmentVariable("QT_SCALE_FACTOR", "1")));
  }

 private:
  QFont original_;
};

TEST_P(LayoutWalk, NothingIsCutInAnyWindowOrPage) {
  Look(form.get(), "basic");
  QTest::mouseClick(Find<QWidget>("ExpandImage"), Qt::LeftButton);
  auto* pages = Find<QTabWidget>("PageControl1");
  for (int i = 0; i < pages->count(); ++i) {
    pages->setCurrentIndex(i);
    Look(form.get(), "advanced-" + pages->widget(i)->objectName());
  }
  // Every window the main window owns, shown on its own.
  for (QWidget* window : form->findChildren<QWidget*>()) {
    if (!window->isWindow() || window->objectName().isEmpty() || qobject_cast<QMenu*>(window)) continue;
    const bool wasShown = window->isVisible();
    window->show();
    Look(window, window->objectName());
    if (!wasShown) window->close();
  }
}

INSTANTIATE_TEST_SUITE_P(DesktopFonts, LayoutWalk, ::testing::Values(8, 11, 14),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::to_string(info.param) + "pt";
                         });

}  // namespace
}  // namespace tintora::testing
