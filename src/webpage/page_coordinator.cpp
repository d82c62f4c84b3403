#include "webpage/page_coordinator.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include "core/design/design_helpers.h"
#include "widgets//active_colour_holder.h"
#include "widgets/colour_panel.h"
#include "widgets/colour_selection.h"
#include "widgets/cursors.h"
#include "widgets/guarded.h"
#include "widgets/layouts.h"
#include "widgets/make.h"
#include "widgets/notation.h"
#include "widgets/popup_ext.h"
#include "widgets/services.h"
#include "widgets/stay_on_top.h"

namespace tintora {

namespace {

constexpr const char* kCopyHint = "Right click for copy options";

void Paint(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(role, colour);
  w->setPalette(p);
}

// The sample page's text in a browser's default face, at the page's own sizes (in points as
// the window's 8-point font had them).
QFont PageFont(double points, bool bold, bool underline) {
  QFont f = ContentFont("Times New Roman", QFont::Serif, points, bold);
  f.setUnderline(underline);
  return f;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text) {
  return Make<QLabel>(parent, name, {}, text);
}

}  // namespace

PageCoordinator::PageCoordinator(QWidget* tab, const ActiveColourHolder& active, ColourSelection& selection,
                                 const Notation& notation, StayOnTop& onTop, Services& services)
    : active_(active), selection_(selection), notation_(notation), onTop_(onTop), services_(services) {
  Build(tab);
  BuildMenu(tab);
  Link(&active, &ActiveColourHolder::Changed, this,
       [this](const ActiveColour&, const ActiveColour&) { ShowContrast(); });
  ShowColours();
}

PageCoordinator::~PageCoordinator() = default;

void PageCoordinator::Build(QWidget* tab) {
  BuildBrowser(tab);
  BuildContrast(tab);
  LinksGroupBox = Make<QGroupBox>(tab, "LinksGroupBox", {}, "Doc. Colours and Links");
  const struct {
    const char* name;
    const char* text;
  } steps[] = {{"Label22", "1. Select a colour."},        {"Label23", "2. Click a spot to colour."},
               {"Label24", "3. Right click to retrieve"}, {"Label25", "the colour."},
               {"Label26", "4. Right click browser"},     {"Label27", "for copy options."}};
  QGridLayout* lines = GridOn(LinksGroupBox);
  lines->setVerticalSpacing(0);
  for (int i = 0; i < 6; ++i)
    lines->addWidget(Label(LinksGroupBox, steps[i].name, steps[i].text), i / 2, i % 2);
  lines->setColumnStretch(2, 1);

  QGridLayout* grid = GridOn(tab);
  grid->addWidget(SampleBrowserPanel, 0, 0, 2, 1);
  grid->addLayout(BuildViewAs(tab), 2, 0);
  grid->addWidget(ContrastGroupBox, 0, 1);
  grid->addWidget(LinksGroupBox, 1, 1, 2, 1);
  grid->setColumnStretch(1, 1);
}

void PageCoordinator::BuildBrowser(QWidget* tab) {
  // A small browser window drawn by its parts: a title bar, a tool strip and the page.
  SampleBrowserPanel = Make<QFrame>(tab, "SampleBrowserPanel", kCopyHint);
  SampleBrowserPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  SampleBrowserPanel->setMinimumSize(200, 162);
  SampleBrowserPanel->setFocusPolicy(Qt::TabFocus);  // the copy menu, from the keyboard
  SampleBrowserAddressPanel = Make<QFrame>(SampleBrowserPanel, "SampleBrowserAddressPanel", kCopyHint);
  SampleBrowserAddressPanel->setAutoFillBackground(true);
  chrome_.push_back({SampleBrowserAddressPanel, QPalette::Window, Rgb8{0, 0, 128}});
  chrome_.push_back({SampleBrowserAddressPanel, QPalette::WindowText, Rgb8{255, 255, 255}});
  QHBoxLayout* title = RowOn(SampleBrowserAddressPanel, true);
  title->setContentsMargins(4, 1, 2, 1);
  title->setSpacing(2);
  title->addWidget(Label(SampleBrowserAddressPanel, "BrowserTitleLabel", "Sample Page"));
  title->addStretch(1);
  for (const char* caption : {"-", "=", "X"}) {
    auto* button = Label(SampleBrowserAddressPanel, "BrowserButton", caption);
    button->setAlignment(Qt::AlignCenter);
    button->setFrameStyle(QFrame::Panel | QFrame::Raised);
    button->setAutoFillBackground(true);
    button->setPalette(SampleBrowserPanel->palette());
    const int side = button->fontMetrics().height();
    button->setMinimumSize(side, side);
    title->addWidget(button);
  }
  auto* tools = Make<QFrame>(SampleBrowserPanel, "BrowserToolPanel", kCopyHint);
  tools->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  // The browser's own grey, whatever the desktop's colours: it is a picture of a browser.
  tools->setAutoFillBackground(true);
  chrome_.push_back({tools, QPalette::Window, Rgb8{0xD4, 0xD0, 0xC8}});
  auto* icon = Make<QLabel>(tools, "BrowserIconLabel", kCopyHint, "e");
  icon->setFont(PageFont(9.75, true, false));
  chrome_.push_back({icon, QPalette::WindowText, Rgb8{0, 0, 200}});
  QHBoxLayout* strip = RowOn(tools, true);
  strip->setContentsMargins(3, 0, 3, 0);
  strip->addWidget(icon);
  strip->addStretch(1);
  // The browser's frame, title bar and tool strip open the copy menu.
  for (QWidget* w : {static_cast<QWidget*>(SampleBrowserPanel),
                     static_cast<QWidget*>(SampleBrowserAddressPanel), static_cast<QWidget*>(tools)}) {
    w->setContextMenuPolicy(Qt::CustomContextMenu);
    Link(w, &QWidget::customContextMenuRequested, this,
         [this, w](QPoint p) { LinksColPopupExt->Popup(w->mapToGlobal(p)); });
  }

  SampleDocPanel = Make<QFrame>(SampleBrowserPanel, "SampleDocPanel", "BGCOLOR");
  SampleDocPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  SampleDocPanel->setAutoFillBackground(true);
  DocumentTextLabel = Make<QLabel>(SampleDocPanel, "DocumentTextLabel", "TEXT", "Document Text");
  DocumentTextLabel->setFont(PageFont(12, true, false));
  QVBoxLayout* page = ColumnOn(SampleDocPanel);
  page->addWidget(DocumentTextLabel);
  const struct {
    QLabel** label;
    const char* name;
    const char* hint;
    const char* text;
  } links[] = {{&UnvisitedLinkLabel, "UnvisitedLinkLabel", "LINK", "Unvisited Link"},
               {&SelectedLinkLabel, "SelectedLinkLabel", "ALINK", "Active Link"},
               {&VisitedLinkLabel, "VisitedLinkLabel", "VLINK", "Visited Link"}};
  for (const auto& l : links) {
    *l.label = Make<QLabel>(SampleDocPanel, l.name, l.hint, l.text);
    (*l.label)->setFont(PageFont(9.75, false, true));
    page->addWidget(*l.label, 0, Qt::AlignLeft);
  }
  page->addStretch(1);
  QVBoxLayout* browser = ColumnOn(SampleBrowserPanel, true);
  browser->setContentsMargins(2, 2, 2, 2);
  browser->setSpacing(1);
  browser->addWidget(SampleBrowserAddressPanel);
  browser->addWidget(tools);
  browser->addWidget(SampleDocPanel, 1);
  for (PageRole role : kPageRoles) {
    QWidget* element = Element(role);
    element->setMouseTracking(true);
    element->setCursor(CustomCursor(3));
    element->installEventFilter(this);
    element->setContextMenuPolicy(Qt::PreventContextMenu);  // a right click takes the colour back
  }
}

QLayout* PageCoordinator::BuildViewAs(QWidget* tab) {
  ViewAsComboBox = Make<QComboBox>(tab, "ViewAsComboBox",
                                   "Show the sample page and the colour viewer as people with\n"
                                   "a colour-vision deficiency see them.");
  for (ColourVision v : kColourVisions)
    ViewAsComboBox->addItem(
        QString::fromLatin1(ColourVisionName(v).data(), static_cast<int>(ColourVisionName(v).size())));
  auto* label = Make<QLabel>(tab, "ViewAsLabel", {}, "&View as:");
  label->setBuddy(ViewAsComboBox);
  Link(ViewAsComboBox, &QComboBox::currentIndexChanged, this, [this](int) {
    ShowColours();
    emit VisionChanged(Vision());
  });
  return Row({label, ViewAsComboBox, nullptr});
}

ColourVision PageCoordinator::Vision() const {
  return kColourVisions[static_cast<std::size_t>(std::max(0, ViewAsComboBox->currentIndex()))];
}

void PageCoordinator::BuildContrast(QWidget* tab) {
  ContrastGroupBox = Make<QGroupBox>(tab, "ContrastGroupBox", {}, "Contrast on the page (WCAG 2)");
  QGridLayout* table = GridOn(ContrastGroupBox);
  table->setVerticalSpacing(0);
  const char* heads[4] = {"", "Ratio", "Normal", "Large"};
  for (int c = 1; c < 4; ++c) table->addWidget(Label(ContrastGroupBox, "ContrastHead", heads[c]), 0, c);
  const char* roles[4] = {"Text", "Link", "Active", "Visited"};
  for (int r = 0; r < 4; ++r) {
    table->addWidget(Label(ContrastGroupBox, "ContrastRole", roles[r]), r + 1, 0);
    for (int c = 0; c < 3; ++c) {
      QLabel* cell = Label(ContrastGroupBox, "ContrastCell", {});
      ReserveText(cell, c == 0 ? "21.00:1" : "AAA");
      contrastCells_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = cell;
      table->addWidget(cell, r + 1, c + 1);
    }
    auto* fix = Make<QToolButton>(ContrastGroupBox, "ContrastFixButton");
    fix->setText("Fix");
    fix->setAccessibleName(QString("Fix the %1 contrast").arg(roles[r]));
    // As tall as the row's text, so the table keeps its lines.
    fix->setAutoRaise(true);
    fix->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    const auto row = static_cast<std::size_t>(r);
    contrastFixes_[row] = fix;
    Link(fix, &QToolButton::clicked, this, [this, row](bool) { FixContrastOf(row); });
    table->addWidget(fix, r + 1, 4);
  }
  ActiveContrastLabel = Label(ContrastGroupBox, "ActiveContrastLabel", {});
  ReserveText(ActiveContrastLabel, "Active: 21.00:1 on white, 21.00:1 on black");
  table->addWidget(ActiveContrastLabel, 5, 0, 1, 4);
  // "View as" changes only the picture; people read the real colours.
  auto* note =
      Label(ContrastGroupBox, "ContrastNoteLabel", "Measured on the real colours, whatever the view.");
  note->setWordWrap(true);
  table->addWidget(note, 6, 0, 1, 6);
  table->setColumnStretch(5, 1);
  ContrastGroupBox->setToolTip(
      "How readable the text and links are on the page's background: the ratio of their\n"
      "luminances, and the best WCAG 2 level reached for normal and for large text\n"
      "(normal: AA 4.5:1, AAA 7:1; large, from 18 pt or 14 pt bold: AA 3:1, AAA 4.5:1).");
}

void PageCoordinator::BuildMenu(QWidget* tab) {
  PopupMenu* m = LinksColPopupExt = MakePopup(tab, "LinksColPopupExt", onTop_);
  using R = PageRole;
  const struct {
    const char* name;
    const char* caption;
    std::initializer_list<PageRole> roles;
    bool separatorAfter;
  } copies[] = {
      {"CopyAllColourOptionsToClipboard1",
       "Copy All Colour Options To Clipboard",
       {R::Background, R::Text, R::Link, R::ActiveLink, R::VisitedLink},
       true},
      {"CopyDocumentandTextColours1", "Copy Document and Text Colours", {R::Background, R::Text}, false},
      {"CopyDocumentBackgroundColour1", "Copy Document Background Colour", {R::Background}, false},
      {"CopyDocumentTextColour1", "Copy Document Text Colour", {R::Text}, true},
      {"CopyAllLinkColours1", "Copy All Link Colours", {R::Link, R::ActiveLink, R::VisitedLink}, false},
      {"CopyUnvisitedLinkColour1", "Copy Unvisited Link Colour", {R::Link}, false},
      {"CopyActiveLinkColour1", "Copy Active Link Colour", {R::ActiveLink}, false},
      {"CopyVisitedLinkColour1", "Copy Visited Link Colour", {R::VisitedLink}, true},
  };
  for (const auto& c : copies) {
    QAction* item = m->AddItem(c.name, c.caption);
    const std::vector<PageRole> roles(c.roles);
    Link(item, &QAction::triggered, this, [this, roles](bool) { LinksHTML(roles); });
    if (c.separatorAfter) m->addSeparator();
  }
  UseWebSafeColoursAction = m->AddItem("UseWebSafeColours2", "Use Web Safe Colours", true);
  m->addSeparator();
  ResetColoursAction = m->AddItem("ResetColours1", "Reset Colours");
  Link(ResetColoursAction, &QAction::triggered, this, [this](bool) {
    page_ = PageColours{};
    ShowColours();
  });
}

QWidget* PageCoordinator::Element(PageRole role) const {
  switch (role) {
    case PageRole::Background:
      return SampleDocPanel;
    case PageRole::Text:
      return DocumentTextLabel;
    case PageRole::Link:
      return UnvisitedLinkLabel;
    case PageRole::ActiveLink:
      return SelectedLinkLabel;
    case PageRole::VisitedLink:
      return VisitedLinkLabel;
  }
  return nullptr;
}

bool PageCoordinator::eventFilter(QObject* watched, QEvent* event) {
  for (PageRole role : kPageRoles) {
    if (watched != Element(role)) continue;
    if (event->type() == QEvent::MouseMove) {
      Guarded([&] { selection_.ColourSelectorUpdate(page_[role]); });
      return true;  // not passed on to the page below the label
    } else if (event->type() == QEvent::MouseButtonPress) {
      const auto button = static_cast<QMouseEvent*>(event)->button();
      Guarded([&] {
        if (button == Qt::LeftButton) {
          SetColour(role, active_.Value().Shown());
        } else {
          selection_.ColourSelectorUpdate(page_[role]);
          selection_.SetColourSelection();
        }
      });
      return true;  // a press on a label is not also a press on the page below it
    }
    return false;
  }
  return QObject::eventFilter(watched, event);
}

void PageCoordinator::LinksHTML(const std::vector<PageRole>& roles) {
  services_.SetClipboardText(QString::fromStdString(
      PageAttributes(page_, roles, notation_.Switches().html, UseWebSafeColoursAction->isChecked())));
}

void PageCoordinator::SetColour(PageRole role, Rgb8 colour) {
  page_[role] = colour;
  ShowColours();
}

void PageCoordinator::ShowColours() {
  // The page as the chosen vision sees it; the colours kept, copied and measured are the real
  // ones.
  const ColourVision vision = Vision();
  auto seen = [vision](Rgb8 c) { return ToQColor(SimulateColourVision(c, vision)); };
  for (PageRole role : kPageRoles)
    Paint(Element(role), role == PageRole::Background ? QPalette::Window : QPalette::WindowText,
          seen(page_[role]));
  for (const Chrome& c : chrome_) Paint(c.widget, c.role, seen(c.colour));
  ShowContrast();
}

void PageCoordinator::FixContrastOf(std::size_t row) {
  const PageRole role = kForegroundRoles[row];
  Fixed& fixed = fixed_[row];
  if (fixed.after == page_[role] && fixed.before) {
    const Rgb8 before = *fixed.before;
    fixed = {};
    SetColour(role, before);
    return;
  }
  if (!fixed.offer) return;
  fixed = {{}, page_[role], fixed.offer};
  SetColour(role, *fixed.after);
}

void PageCoordinator::ShowContrast() {
  const Rgb8 background = page_[PageRole::Background];
  for (std::size_t r = 0; r < kForegroundRoles.size(); ++r) {
    const double ratio = ContrastRatio(page_[kForegroundRoles[r]], background);
    contrastCells_[r][0]->setText(QString::fromStdString(RatioText(ratio)));
    contrastCells_[r][1]->setText(LevelText(NormalTextLevel(ratio)));
    contrastCells_[r][2]->setText(LevelText(LargeTextLevel(ratio)));
    // The way out of a failing pair, or back from the way out just taken.
    const Rgb8 colour = page_[kForegroundRoles[r]];
    const bool undo = fixed_[r].after == colour;
    if (!undo) fixed_[r] = {};
    const std::optional<Rgb8> fix =
        undo || ratio >= 4.5 ? std::nullopt : FixContrast(colour, background, ContrastTarget::AA);
    fixed_[r].offer = fix;
    QToolButton* button = contrastFixes_[r];
    button->setText(undo ? "Undo" : "Fix");
    button->setToolTip(
        undo  ? "Give it back its colour, " + QString::fromStdString(fixed_[r].before->Hex())
        : fix ? "Make it " + QString::fromStdString(fix->Hex()) +
                    ": the nearest colour that reaches AA (4.5:1) here, only its lightness changed"
              : QString());
    button->setVisible(undo || fix.has_value());
  }
  const Rgb8 a = active_.Value().Shown();
  ActiveContrastLabel->setText(QString("Active: %1 on white, %2 on black")
                                   .arg(QString::fromStdString(RatioText(ContrastRatio(a, {255, 255, 255}))),
                                        QString::fromStdString(RatioText(ContrastRatio(a, {0, 0, 0})))));
}

}  // namespace tintora
