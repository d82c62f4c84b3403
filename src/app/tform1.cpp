#include "app/tform1.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "app/about_box.h"
#include "app/controls/image_box.h"
#include "app/guarded.h"
#include "app/layout.h"
#include "app/popup_ext.h"
#include "app/services.h"
#include "app/settings_file.h"
#include "app/splash_screen.h"
#include "app/tform9.h"
#include "capture/tform2.h"
#include "colourizer/tform8.h"
#include "colourlist/change_colour_name_dialogue.h"
#include "colourlist/tform6.h"
#include "formats/save_as_options.h"
#include "harmony/tform10.h"

namespace tintora {

TForm1::TForm1(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
  setObjectName("Form1");
  setWindowTitle("Tintora v2.0");
  // Single border: system menu and minimise box, no maximise, no resizing.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  FormCreate();
  SetHandlerErrorReporter([this](const QString& message) {
    services_.ShowMessage(this, message, MessageIcon::Error, MessageButtons::Ok);
  });

  settingsFile_ = DefaultSettingsFilePath();
  BuildFrame();
  BuildValueOutput();
  BuildMixers();
  BuildHsMixer();
  BuildSelector();
  BuildViewer();
  BuildColourList();
  BuildFiles();
  BuildHarmony();
  BuildCapture();
  BuildSnapshot();

  // The secondary windows, in their fixed order; the splash shows itself at once.
  form2_ = std::make_unique<TForm2>();
  changeColourNameDialogue_ = std::make_unique<TChangeColourNameDialogue>();
  aboutBox_ = std::make_unique<TAboutBox>();
  splashScreen_ = std::make_unique<TSplashScreen>();
  splashScreen_->show();
  form6_ = std::make_unique<TForm6>();
  form8_ = std::make_unique<TForm8>();
  form9_ = std::make_unique<TForm9>();
  form10_ = std::make_unique<TForm10>();
  saveAsOptions_ = std::make_unique<TSaveAsOptions>();

  ConnectFrame();
  ConnectValueOutput();
  ConnectMixers();
  ConnectHsMixer();
  ConnectSelector();
  ConnectViewer();
  ConnectColourList();
  ConnectFiles();
  ConnectHarmony();
  ConnectCapture();
  ConnectSnapshot();
  Link(aboutBox_.get(), &TAboutBox::HelpRequested, this, [this] { RunHelp(); });
  Link(aboutBox_.get(), &TAboutBox::WebPageRequested, this, [this](const QString& a) { WebPageLink(a); });
}

TForm1::~TForm1() {
  // Every key we held is given back when the program ends.
  services_.HotKey().SetHandler(nullptr);
  services_.HotKey().Unregister();
  SetHandlerErrorReporter(nullptr);
}

void TForm1::FormCreate() {
  struct CursorPicture {
    const char* file;
    QPoint hotSpot;
  };
  const CursorPicture pictures[4] = {{":/cursors/eyedroppertolist.png", {0, 14}},
                                     {":/cursors/eyedropper.png", {0, 14}},
                                     {":/cursors/paintbucket.png", {1, 13}},
                                     {":/cursors/rightclick.png", {0, 0}}};
  for (int i = 0; i < 4; ++i)
    cursors_[i] = QCursor(QPixmap(pictures[i].file), pictures[i].hotSpot.x(), pictures[i].hotSpot.y());

  InsertBelowImage = QPixmap(":/glyphs/insertbelow.png");
  InsertAboveImage = QPixmap(":/glyphs/insertabove.png");
  UntackedImage = QPixmap(":/glyphs/untacked.png");
  TackedImage = QPixmap(":/glyphs/tacked.png");
  UnlockedImage = QPixmap(":/glyphs/unlocked.png");
  LockedImage = QPixmap(":/glyphs/locked.png");
  CameraImage = QPixmap(":/glyphs/camera.png");
  EyeDropperImage = QPixmap(":/glyphs/eyedropper.png");
}

QCursor TForm1::CustomCursor(int number) const {
  if (number < 1 || number > 4) return QCursor(Qt::ArrowCursor);
  return cursors_[number - 1];
}

TPopupExt* TForm1::MakePopup(const QString& name) {
  auto* menu = new TPopupExt(name, this);
  Link(menu, &TPopupExt::OnBeforePopup, this, [this](TPopupExt* m) { BeforePopUp(m); });
  Link(menu, &TPopupExt::OnAfterPopup, this, [this](TPopupExt* m) { AfterPopUp(m); });
  return menu;
}

void TForm1::BuildFrame() {
  auto group = [this](const char* name, const char* caption, QRect r) {
    auto* box = new QGroupBox(caption, this);
    box->setObjectName(name);
    box->setGeometry(r);
    return box;
  };
  ColourSelectGroupBox = group("ColourSelectGroupBox", "Colour Selector", layout::kColourSelectGroupBox);
  RGBValuesGroupBox = group("RGBValuesGroupBox", "RGB Values", layout::kRGBValuesGroupBox);
  ColourViewerGroupBox = group("ColourViewerGroupBox", "Colour Viewer", layout::kColourViewerGroupBox);
  ColourListGroupBox = group("ColourListGroupBox", "Colour List", layout::kColourListGroupBox);

  ExternalColourSourcePanel = new QWidget(this);
  ExternalColourSourcePanel->setObjectName("ExternalColourSourcePanel");
  ExternalColourSourcePanel->setGeometry(layout::kExternalColourSourcePanel);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setGeometry(layout::kPageControl1);
  auto page = [this](const char* name, const char* caption) {
    auto* w = new QWidget;
    w->setObjectName(name);
    PageControl1->addTab(w, caption);
    return w;
  };
  RGBTabSheet = page("RGBTabSheet", "RGB Colour Mixer");
  TabSheet2 = page("TabSheet2", "CMY Mixer");
  TabSheet1 = page("TabSheet1", "HS... Mixer");
  TextColourizerTabSheet = page("TextColourizerTabSheet", "Text Colourizer");
  LinksTabSheet = page("LinksTabSheet", "Links");

  DonatePanel = new QWidget(this);
  DonatePanel->setObjectName("DonatePanel");
  DonatePanel->setGeometry(layout::kDonatePanel);

  // Frame icons, always visible at the right of the value pane.
  auto icon = [this](const char* name, const char* picture, const char* hint, int x) {
    auto* image = new ImageBox(name, RGBValuesGroupBox);
    image->SetPicture(QImage(picture));
    image->setGeometry(x, 20, 16, 16);
    image->setToolTip(hint);
    image->setCursor(Qt::PointingHandCursor);
    return image;
  };
  ExpandImage = icon("ExpandImage", ":/glyphs/expand.png", "Basic/Advanced Mode", 184);
  ToolImage = icon("ToolImage", ":/glyphs/tool.png", "Save Settings As Default.", 204);
  HelpImage = icon("HelpImage", ":/glyphs/help.png", "About", 224);
  OnTopImage = icon("OnTopImage", ":/glyphs/untacked.png", "Enable/disable Stay On-Top mode.", 244);

  // Work controls for developers, hidden until the colour list's Ctrl+D shows the button.
  DebugButton = new QPushButton("Debug On/Off", this);
  DebugButton->setObjectName("DebugButton");
  DebugButton->setGeometry(500, 136, 76, 16);
  DebugButton->hide();
  DebugPanel = new QGroupBox("Program Data Box", this);
  DebugPanel->setObjectName("DebugPanel");
  DebugPanel->setGeometry(460, 156, 390, 196);
  DebugPanel->hide();
  Label10 = new QLabel(DebugPanel);
  Label10->setObjectName("Label10");
  Label10->setGeometry(8, 20, 200, 16);

  // Basic mode at start: only the top row.
  PageControl1->hide();
  ColourViewerGroupBox->hide();
  ColourListGroupBox->hide();
  DonatePanel->hide();
}

}  // namespace tintora
