// TSaveAsOptions: the "Save As Options" window, the layout of the HTML palette table, the
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

class TSaveAsOptions : public QWidget {
  Q_OBJECT
 public:
  explicit TSaveAsOptions(QWidget* parent = nullptr);

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
  QTabWidget* PageControl1 = nullptr;
  QWidget* TabSheet1 = nullptr;  // ACO
  QWidget* TabSheet2 = nullptr;  // HTML
  QWidget* TabSheet3 = nullptr;  // ACT
  QCheckBox* ActAdobeTableCheckBox = nullptr;
  QRadioButton* RadioButton3 = nullptr;
  QSpinBox* ColumnsUpDown1 = nullptr;  // with its edit, Edit1
  QLineEdit* Edit1 = nullptr;
  QRadioButton* TableStyleRadioButton1 = nullptr;  // Consecutive Text
  QRadioButton* RadioButton2 = nullptr;            // Text Overlay
  QCheckBox* PrintInstructionsCheckBox1 = nullptr;
};

}  // namespace tintora
