// The multi-line hints of the main window's controls, set by name over the whole window, and
// the help page.
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QWidget>

#include "app/frame.h"
#include "settings/settings_file.h"
#include "widgets/services.h"

namespace tintora {

void Frame::MultiLineHintInit(QWidget* within) {
  const QString click = "Click to ";
  const QString leftClick = "Left Click to ";
  const QString rightClick = "Right Click to ";
  const QString doubleClick = "Double Click to ";
  const QString second = "\r\n(";
  // The main window's own controls by name (the windows it owns reuse some names).
  QHash<QString, QWidget*> controls;
  const QList<QWidget*> all = (within ? within : window_)->findChildren<QWidget*>();
  for (QWidget* w : all)
    if (w->window() == window_ && !w->objectName().isEmpty()) controls.insert(w->objectName(), w);
  auto set = [&controls](const char* name, const QString& hint) {
    QString shown = hint;
    shown.replace("\r\n", "\n");
    if (QWidget* w = controls.value(name)) w->setToolTip(shown);
  };

  set("CaptureDesktopSpeedButton", "Snap photo of desktop.\r\nRight click for active\r\npixel capture.");
  set("LockColourSpeedButton",
      "Lock/Unlock Colour Derivatives." + second + "Right click resets and\r\nlocks derivative values.)");
  const QString palette = second + leftClick + "select colour.\r\n" + rightClick + "change palette.)";
  set("RedBasedPaletteImage", "Red Based Colour" + palette);
  set("GreenBasedPaletteImage", "Green Based Colour" + palette);
  set("BlueBasedPaletteImage", "Blue Based Colour" + palette);
  const QString swatch = click + "set this colour as active.\r\n" + rightClick + "index.";
  for (const char* name : {"Shape1", "Shape2", "Shape3", "WheelImage"}) set(name, swatch);
  const QString rgbSnap = second + leftClick + "snap to next lower preset value.\r\n" + rightClick +
                          "snap to next higher preset value.";
  set("RedPanel", "Red" + rgbSnap);
  set("GreenPanel", "Green" + rgbSnap);
  set("BluePanel", "Blue" + rgbSnap);
  const QString cmySnap = second + leftClick + "snap to next higher preset value.\r\n" + rightClick +
                          "snap to next lower preset value.";
  set("CyanPanel", "Cyan" + cmySnap);
  set("MagentaPanel", "Magenta" + cmySnap);
  set("YellowPanel", "Yellow" + cmySnap);
  for (const char* name :
       {"RedTrackBar", "GreenTrackBar", "BlueTrackBar", "CyanTrackBar", "MagentaTrackBar", "YellowTrackBar"})
    set(name, "Slide to increase or decrease this primary colour value." + second + rightClick +
                  "activate Websafe grid.)");
  set("HuePanel",
      QString::fromUtf8("Hue\r\nRight Click to add 30\u00B0.\r\nLeft Click to subtract 30\u00B0."));
  const QString intensity = "Intensity Adjustment" + second + "Click here to reset to 0.)";
  set("RGBIntensitySpeedButton", intensity);
  set("CMYIntensitySpeedButton", intensity);
  set("ColourViewPanel", rightClick + "Show/Hide WebPage Colour Co-ordinator.\r\n" + doubleClick +
                             "Reset WebPage Colour Co-ordinator.");
  set("Panel6", "Sample web page layout:\r\n" + click + "set colour.\r\n" + rightClick + "pick colour.");
  set("CustomColourListBox", click + "preview colour.\r\n" + doubleClick + "select colour.\r\n" + rightClick +
                                 "sort.\r\nDrag to move *or* to copy\r\nto Text Colourizer");
  set("ResultRichEdit", rightClick + "set text options, background\r\ncolour, or to copy HTML to clipboard.");

  // A hint stays three seconds.
  for (QWidget* w : all)
    if (!w->toolTip().isEmpty()) w->setToolTipDuration(3000);
}

void Frame::RunHelp(QWidget* owner) {
  const QString manual = FindHelpFile(GetAppPath());
  if (QFileInfo(manual).isFile() && services_.OpenWithShell(manual)) return;
  // No manual here, or nothing on this desktop opens it: say where it would be.
  services_.ShowMessage(
      owner ? owner : window_,
      QString("Help:\r\n\r\nThe manual cannot be opened here. It is the page\r\n\"%1\"\r\n"
              "(open it in a web browser), and it is also in the README.")
          .arg(QDir::toNativeSeparators(QFileInfo(manual).isFile() ? QFileInfo(manual).absoluteFilePath()
                                                                   : GetAppPath() + "help/index.html")),
      MessageIcon::Information, MessageButtons::Ok);
}

}  // namespace tintora
