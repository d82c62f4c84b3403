// What a screen reader and a dark desktop see: every control that can be used has a name, every
// colour picture says what it shows, and under a dark palette every text stands out from what
// it is written on.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QStyleFactory>

#include "app/about_box.h"
#include "app/tintora_style.h"
#include "capture/screen_shot_window.h"
#include "colourizer/colourizer_preview_window.h"
#include "colourlist/adjust_window.h"
#include "colourlist/change_colour_name_dialogue.h"
#include "colourlist/colour_list_pane.h"
#include "core/webpage/page_colours.h"
#include "formats/save_as_options.h"
#include "harmony/wheel_options_window.h"
#include "settings/default_folder_window.h"
#include "widgets/accessible_names.h"
#include "widgets/colour_panel.h"
#include "widgets/image_box.h"
#include "widgets/popup_ext.h"
#include "window_fixture.h"

namespace tintora::testing {
namespace {

// The main window and every window it owns but its menus.
std::vector<QWidget*> Windows(QWidget* main) {
  std::vector<QWidget*> windows{main};
  for (QWidget* w : main->findChildren<QWidget*>())
    if (w->isWindow() && !qobject_cast<QMenu*>(w)) windows.push_back(w);
  return windows;
}

void WalkAccessible(QAccessibleInterface* node, const QString& window, QStringList& unnamed, int depth = 0) {
  if (!node || depth > 40) return;
  auto* widget = qobject_cast<QWidget*>(node->object());
  // Qt's own parts of a control (its scroll bars, a combo box's list) are read with it.
  const bool qtsPart = widget && (qobject_cast<QScrollBar*>(widget) || widget->inherits("QComboBoxListView"));
  if (widget && !qtsPart && UsableControl(widget) && node->text(QAccessible::Name).trimmed().isEmpty())
    unnamed << window + ": " + widget->objectName() + " (" + widget->metaObject()->className() + ")";
  if (widget &&
      (qobject_cast<ColourPanel*>(widget) ||
       (qobject_cast<ImageBox*>(widget) && static_cast<ImageBox*>(widget)->Glyph().isEmpty())) &&
      node->text(QAccessible::Description).trimmed().isEmpty())
    unnamed << window + ": " + widget->objectName() + " shows a colour but does not say which";
  for (int i = 0; i < node->childCount(); ++i) WalkAccessible(node->child(i), window, unnamed, depth + 1);
}

class DesktopFitTest : public WindowTest {};

TEST_F(DesktopFitTest, EveryControlHasANameForScreenReaders) {
  QTest::mouseClick(Find<QWidget>("ExpandImage"), Qt::LeftButton);
  // The windows built on first use, built.
  for (QWidget* w :
       {static_cast<QWidget*>(form->ScreenShot()), static_cast<QWidget*>(form->NameDialogue()),
        static_cast<QWidget*>(form->AboutBox()), static_cast<QWidget*>(form->Adjust()),
        static_cast<QWidget*>(form->ColourizerPreview()), static_cast<QWidget*>(form->DefaultFolder()),
        static_cast<QWidget*>(form->SaveAsOptions()), static_cast<QWidget*>(form->WheelCustomizer())})
    ASSERT_TRUE(w);
  QStringList unnamed;
  for (QWidget* window : Windows(form.get()))
    WalkAccessible(QAccessible::queryAccessibleInterface(window), window->objectName(), unnamed);
  EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join("\n").toStdString();
}

// Fusion with a dark palette, as dark desktops give it.
QPalette DarkPalette() {
  QPalette p;
  const QColor window(53, 53, 53), base(42, 42, 42), text(230, 230, 230), dim(127, 127, 127);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
  p.setColor(QPalette::ToolTipBase, window);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::Link, QColor(110, 170, 240));
  p.setColor(QPalette::Highlight, QColor(42, 130, 218));
  p.setColor(QPalette::HighlightedText, Qt::black);
  for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
    p.setColor(QPalette::Disabled, role, dim);
  return p;
}

class DarkDesktopTest : public WindowTest {
 protected:
  void BeforeWindow() override {
    palette_ = QApplication::palette();
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setPalette(DarkPalette());
  }
  void TearDown() override {
    WindowTest::TearDown();
    QApplication::setPalette(palette_);
    ApplyTintoraLook();
  }

 private:
  QPalette palette_;
};

Rgb8 Rgb8Of(const QColor& c) {
  return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
          static_cast<std::uint8_t>(c.blue())};
}

// The colour a widget's text is drawn on: its own background where it fills it, else that of the
// nearest parent that does.
QColor Background(const QWidget* w) {
  if (qobject_cast<const QLineEdit*>(w)) return w->palette().color(QPalette::Base);
  for (const QWidget* p = w; p; p = p->parentWidget())
    if (p->autoFillBackground() || p->isWindow()) return p->palette().color(p->backgroundRole());
  return w->palette().color(QPalette::Window);
}

QString TextOf(const QWidget* w) {
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
  return {};
}

// Texts that are colour samples themselves (the sample page's text and links) say nothing of
// the window's own colours.
bool InASample(const QWidget* w) {
  for (const QWidget* p = w; p; p = p->parentWidget())
    if (p->objectName() == "SampleDocPanel" || qobject_cast<const ColourPanel*>(p)) return true;
  return false;
}

TEST_F(DarkDesktopTest, EveryTextStandsOutFromWhatItIsWrittenOn) {
  QTest::mouseClick(Find<QWidget>("ExpandImage"), Qt::LeftButton);
  QStringList faint;
  for (QWidget* window : Windows(form.get())) {
    for (const QWidget* w : window->findChildren<QWidget*>()) {
      if (w->window() != window || !w->isEnabled() || InASample(w) || TextOf(w).isEmpty()) continue;
      const QColor fg =
          w->palette().color(qobject_cast<const QLineEdit*>(w) ? QPalette::Text : w->foregroundRole());
      const double ratio = ContrastRatio(Rgb8Of(fg), Rgb8Of(Background(w)));
      if (ratio < 4.5)
        faint << QString("%1: %2 \"%3\" %4 on %5 (%6:1)")
                     .arg(window->objectName(), w->objectName(), TextOf(w), fg.name(), Background(w).name())
                     .arg(ratio, 0, 'f', 2);
    }
  }
  EXPECT_TRUE(faint.isEmpty()) << faint.join("\n").toStdString();
}

// The stay-on-top pin is seen on a dark window, and the keyboard's place on a picture is ringed
// in the selection colour.
TEST_F(DarkDesktopTest, ThePinAndTheFocusRingShowOnDark) {
  auto* pin = Find<ImageBox>("OnTopImage");
  const QImage picture = pin->grab().toImage();
  const Rgb8 background = Rgb8Of(pin->palette().color(QPalette::Window));
  int seen = 0;  // pixels of the pin above its base that stand out from the window
  for (int y = 0; y < picture.height() * 11 / 16; ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (ContrastRatio(Rgb8Of(picture.pixelColor(x, y)), background) >= 3) ++seen;
  EXPECT_GE(seen, picture.width() * picture.height() / 12);  // the old glyph: none
  auto* expand = Find<ImageBox>("ExpandImage");
  expand->setFocus();
  const QImage ringed = expand->grab().toImage();
  EXPECT_EQ(ringed.pixelColor(QPoint(1, 1) * ringed.devicePixelRatio()),
            expand->palette().color(QPalette::Highlight));
}

class KeyboardTest : public WindowTest {
 protected:
  void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    target->setFocus();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
  }
  // The menus opened, by name; none is really shown.
  std::vector<QString> menus;
  void SetUp() override {
    WindowTest::SetUp();
    PopupMenu::SetExecHook([this](PopupMenu* menu, const QPoint&) -> QAction* {
      menus.push_back(menu->objectName());
      return nullptr;
    });
  }
};

// Every right-click menu, from the focused control, by the Menu key and by Shift+F10.
TEST_F(KeyboardTest, TheMenuKeyAndShiftF10OpenTheFocusedControlsMenu) {
  QTest::mouseClick(Find<QWidget>("ExpandImage"), Qt::LeftButton);
  const struct {
    const char* control;
    const char* menu;
  } cases[] = {
      {"CustomColourListBox", "ColourListPopupExt"},     {"RedTrackBar", "RGBandCMYPopupExt"},
      {"ColourSelectorPanel", "ColourSelectorPopupExt"}, {"RedBasedPaletteImage", "PalettePopupExt"},
      {"LoadSpeedButton", "AutoLoadPopupExt"},           {"CompColLabel", "ComplimentaryColPopupExt"},
  };
  for (const auto& c : cases) {
    for (const auto& [key, modifiers] :
         {std::pair{int(Qt::Key_Menu), Qt::KeyboardModifiers()},
          std::pair{int(Qt::Key_F10), Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
      menus.clear();
      Key(Find<QWidget>(c.control), key, modifiers);
      EXPECT_EQ(menus, std::vector<QString>{c.menu}) << c.control << " key " << key;
    }
  }
  // A right click that opens a window: the Save button's options.
  Key(Find<QWidget>("SaveSpeedButton"), Qt::Key_Menu);
  EXPECT_TRUE(form->SaveAsOptions()->isVisible());
  form->SaveAsOptions()->close();
}

TEST_F(KeyboardTest, CtrlZUndoesF1HelpsAndSpaceClicksAnIcon) {
  Key(Find<QWidget>("ExpandImage"), Qt::Key_Space);  // the icon, reached by the keyboard
  EXPECT_FALSE(Find<QWidget>("PageControl1")->isHidden());
  SetRgb(10, 20, 30);
  form->ListPane().IndexColour();
  form->ListPane().IndexColour();
  auto* list = Find<QAbstractItemView>("CustomColourListBox");
  list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
  Key(list, Qt::Key_Delete);
  ASSERT_EQ(form->List().Count(), 1u);
  Key(Find<QWidget>("RedTrackBar"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form->List().Count(), 2u);
  Key(Find<QWidget>("RedTrackBar"), Qt::Key_F1);
  ASSERT_EQ(services.opened.size(), 1u);
  EXPECT_TRUE(services.opened[0].endsWith("help/index.html"));
}

// Tab goes through the panes as the eye reads the window: selector, value, the source buttons,
// the pages, the viewer, the list.
TEST_F(KeyboardTest, TabFollowsTheReadingOrder) {
  QTest::mouseClick(Find<QWidget>("ExpandImage"), Qt::LeftButton);
  const char* panes[] = {"ColourSelectGroupBox", "RGBValuesGroupBox",    "ExternalColourSourcePanel",
                         "PageControl1",         "ColourViewerGroupBox", "ColourListGroupBox"};
  auto paneOf = [&](QWidget* w) {
    for (int i = 0; i < 6; ++i)
      if (Find<QWidget>(panes[i])->isAncestorOf(w)) return i;
    return -1;
  };
  QWidget* w = Find<QWidget>("ColourSelectorPanel");
  std::vector<int> visited;
  for (int step = 0; step < 200 && w; ++step, w = w->nextInFocusChain()) {
    if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible()) continue;
    const int pane = paneOf(w);
    if (pane >= 0 && (visited.empty() || visited.back() != pane)) visited.push_back(pane);
    if (w == Find<QWidget>("AutoIndexCheckBox")) break;
  }
  EXPECT_EQ(visited, std::vector<int>({0, 1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace tintora::testing
