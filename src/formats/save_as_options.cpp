#include "formats/save_as_options.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "widgets/make.h"

namespace tintora {

TSaveAsOptions::TSaveAsOptions(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
  setObjectName("SaveAsOptions");
  setWindowTitle("Save As Options");

  PageControl1 = Make<QTabWidget>(this, "PageControl1", {8, 8, 250, 170});
  TabSheet1 = new QWidget;
  TabSheet1->setObjectName("TabSheet1");
  TabSheet2 = new QWidget;
  TabSheet2->setObjectName("TabSheet2");
  PageControl1->addTab(TabSheet1, "ACO");
  PageControl1->addTab(TabSheet2, "HTML");
  PageControl1->setCurrentWidget(TabSheet2);

  auto* aco = Make<QGroupBox>(TabSheet1, "GroupBox1", {6, 6, 232, 60});
  aco->setTitle("ACO Colour Swatch Options");
  Make<QLabel>(aco, "Label1", {10, 26, 80, 20}, {}, "Colour Space:");
  // The writers always write RGB; the button only says so.
  RadioButton3 = Make<QRadioButton>(aco, "RadioButton3", {96, 26, 60, 20}, {}, "RGB");
  RadioButton3->setChecked(true);
  RadioButton3->setEnabled(false);

  auto* html = Make<QGroupBox>(TabSheet2, "GroupBox2", {6, 6, 232, 130});
  html->setTitle("HTML Colour Table Options");
  Make<QLabel>(html, "Label2", {10, 26, 120, 20}, {}, "Number Of Columns:");
  ColumnsUpDown1 = Make<QSpinBox>(html, "ColumnsUpDown1", {136, 24, 50, 22});
  ColumnsUpDown1->setRange(1, 10);
  ColumnsUpDown1->setValue(4);
  Edit1 = ColumnsUpDown1->findChild<QLineEdit*>();
  Edit1->setObjectName("Edit1");
  Make<QLabel>(html, "Label3", {10, 52, 80, 20}, {}, "Table Style:");
  TableStyleRadioButton1 =
      Make<QRadioButton>(html, "TableStyleRadioButton1", {96, 52, 130, 20}, {}, "Consecutive Text");
  TableStyleRadioButton1->setChecked(true);
  RadioButton2 = Make<QRadioButton>(html, "RadioButton2", {96, 74, 130, 20}, {}, "Text Overlay");
  PrintInstructionsCheckBox1 = Make<QCheckBox>(html, "PrintInstructionsCheckBox1", {10, 100, 210, 20}, {},
                                               "Include Printing Instructions");
  PrintInstructionsCheckBox1->setChecked(true);
  adjustSize();
}

HtmlTableOptions TSaveAsOptions::Options() const {
  return {ColumnsUpDown1->value(),
          RadioButton2->isChecked() ? HtmlTableStyle::TextOverlay : HtmlTableStyle::ConsecutiveText,
          PrintInstructionsCheckBox1->isChecked()};
}

void TSaveAsOptions::showEvent(QShowEvent* event) {
  emit Shown();
  QWidget::showEvent(event);
}

void TSaveAsOptions::closeEvent(QCloseEvent* event) {
  emit Closed();
  QWidget::closeEvent(event);
}

void TSaveAsOptions::keyPressEvent(QKeyEvent* event) {
  // Enter or Escape closes it: the choices are taken as they stand either way.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace tintora
