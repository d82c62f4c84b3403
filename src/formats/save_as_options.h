// SaveAsOptionsWindow: the "Save As Options" window, the layout of the HTML palette table, the
// layout of Adobe colour tables (and, for show, the ACO colour space). Not kept between runs:
// each start shows the defaults.
#pragma once

#include <QWidget>

#include "core/formats/html_table.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace tintora {

class SaveAsOptionsWindow : public QWidget {
  Q_OBJECT
 public:
  explicit SaveAsOptionsWindow(QWidget* parent = nullptr);

  // What the next HTML save uses.
  HtmlTableOptions Options() const;
  // Whether the next ACT save writes Photoshop's 772-byte table instead of 3 bytes a colour.
  bool ActAdobeTable() const;

 signals:
  void Shown();
  void Closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTabWidget* OptionPages = nullptr;
  QWidget* AcoPage = nullptr;   // ACO
  QWidget* HtmlPage = nullptr;  // HTML
  QWidget* ActPage = nullptr;   // ACT
  QCheckBox* ActAdobeTableCheckBox = nullptr;
  QRadioButton* AcoRgbRadioButton = nullptr;
  QSpinBox* ColumnsSpinBox = nullptr;  // with its edit, ColumnsEdit
  QLineEdit* ColumnsEdit = nullptr;
  QRadioButton* ConsecutiveTextRadioButton = nullptr;  // Consecutive Text
  QRadioButton* TextOverlayRadioButton = nullptr;      // Text Overlay
  QCheckBox* PrintInstructionsCheckBox = nullptr;
};

}  // namespace tintora
