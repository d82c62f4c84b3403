// The "Links" tab: a sample page in a miniature browser whose five BODY colours (background,
// text and the three link colours) are set from the active colour with a click and taken back
// with a right click, copied as HTML attributes from the browser's menu, and checked for
// contrast against the background as they change.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QObject>
#include <QPalette>

#include "core/colour/colour_vision.h"
#include "core/webpage/page_colours.h"

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QToolButton;
class QLayout;
class QWidget;

namespace tintora {

class ActiveColourHolder;
class ColourSelection;
class Notation;
class Services;
class StayOnTop;
class PopupMenu;

class PageCoordinator : public QObject {
  Q_OBJECT
 public:
  PageCoordinator(QWidget* tab, const ActiveColourHolder& active, ColourSelection& selection,
                  const Notation& notation, StayOnTop& onTop, Services& services);
  ~PageCoordinator() override;

  const PageColours& Colours() const { return page_; }
  // How the sample page, and the colour viewer with it, are shown: "View as".
  ColourVision Vision() const;
  PopupMenu* Menu() const { return LinksColPopupExt; }

 signals:
  void VisionChanged(ColourVision vision);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build(QWidget* tab);
  void BuildBrowser(QWidget* tab);
  void BuildContrast(QWidget* tab);
  void BuildMenu(QWidget* tab);
  QLayout* BuildViewAs(QWidget* tab);
  QWidget* Element(PageRole role) const;
  void SetColour(PageRole role, Rgb8 colour);
  void ShowColours();
  void ShowContrast();
  // The attributes of the roles an item copies, to the clipboard.
  void LinksHTML(const std::vector<PageRole>& roles);

  const ActiveColourHolder& active_;
  ColourSelection& selection_;
  const Notation& notation_;
  StayOnTop& onTop_;
  Services& services_;
  PageColours page_;
  // The contrast table: per link role and the text, its ratio and the levels for normal and
  // large text; and the active colour's line.
  std::array<std::array<QLabel*, 3>, 4> contrastCells_{};
  // Per row, "Fix" where the pair fails AA for normal text: the nearest colour that reaches it;
  // once pressed, "Undo" gives the colour back until the row's colour changes otherwise.
  std::array<QToolButton*, 4> contrastFixes_{};
  struct Fixed {
    std::optional<Rgb8> offer;          // what Fix would make it
    std::optional<Rgb8> before, after;  // the fix taken, while Undo can give it back
  };
  std::array<Fixed, 4> fixed_{};
  void FixContrastOf(std::size_t row);
  // The browser's own fixed colours around the page, shown in the chosen vision too.
  struct Chrome {
    QWidget* widget;
    QPalette::ColorRole role;
    Rgb8 colour;
  };
  std::vector<Chrome> chrome_;
  QLabel* ActiveContrastLabel = nullptr;

  // The sample page: the background panel and its four labels, by their roles' order.
  QFrame* SampleDocPanel = nullptr;
  QLabel* DocumentTextLabel = nullptr;
  QLabel* UnvisitedLinkLabel = nullptr;
  QLabel* SelectedLinkLabel = nullptr;
  QLabel* VisitedLinkLabel = nullptr;
  QFrame* SampleBrowserPanel = nullptr;
  QFrame* SampleBrowserAddressPanel = nullptr;
  QGroupBox* LinksGroupBox = nullptr;
  QGroupBox* ContrastGroupBox = nullptr;
  QComboBox* ViewAsComboBox = nullptr;

  PopupMenu* LinksColPopupExt = nullptr;
  QAction* UseWebSafeColoursAction = nullptr;
  QAction* ResetColoursAction = nullptr;
};

}  // namespace tintora
