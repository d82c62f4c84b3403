#include "formats/save_as_options.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "widgets/layouts.h"
#include "widgets/make.h"

namespace tintora {

TSaveAsOptions::TSaveAsOptions(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
  setObjectName("SaveAsOptions");
  // The main window waits while it is open.
  setWindowModality(Qt::WindowModal);
  setWindowTitle("Save As Options");

  PageControl1 = Make<QTabWidget>(this, "PageControl1");
  PageControl1->setAccessibleName("Save As Options");
  TabSheet1 = new QWidget;
  TabSheet1->setObjectName("TabSheet1");
  TabSheet2 = new QWidget;
  TabSheet2->setObjectName("TabSheet2");
  TabSheet3 = new QWidget;
  TabSheet3->setObjectName("TabSheet3");
  PageControl1->addTab(TabSheet1, "ACO");
  PageControl1->addTab(TabSheet2, "HTML");
  PageControl1->addTab(TabSheet3, "ACT");
  PageControl1->setCurrentWidget(TabSheet2);

  auto* aco = Make<QGroupBox>(TabSheet1, "GroupBox1", {}, "ACO Colour Swatch Options");
  auto* spaceLabel = Make<QLabel>(aco, "Label1", {}, "Colour Space:");
  // The writers always write RGB; the button only says so.
  RadioButton3 = Make<QRadioButton>(aco, "RadioButton3", {}, "RGB");
  RadioButton3->setChecked(true);
  RadioButton3->setEnabled(false);
  QGridLayout* acoGrid = GridOn(aco);
  acoGrid->addWidget(spaceLabel, 0, 0);
  acoGrid->addWidget(RadioButton3, 0, 1);
  acoGrid->setColumnStretch(2, 1);
  QVBoxLayout* acoPage = ColumnOn(TabSheet1);
  acoPage->addWidget(aco);
  acoPage->addStretch(1);

  auto* html = Make<QGroupBox>(TabSheet2, "GroupBox2", {}, "HTML Colour Table Options");
  auto* columnsLabel = Make<QLabel>(html, "Label2", {}, "Number Of Columns:");
  ColumnsUpDown1 = Make<QSpinBox>(html, "ColumnsUpDown1");
  columnsLabel->setBuddy(ColumnsUpDown1);
  ColumnsUpDown1->setRange(1, 10);
  ColumnsUpDown1->setValue(4);
  Edit1 = ColumnsUpDown1->findChild<QLineEdit*>();
  Edit1->setObjectName("Edit1");
  auto* styleLabel = Make<QLabel>(html, "Label3", {}, "Table Style:");
  TableStyleRadioButton1 = Make<QRadioButton>(html, "TableStyleRadioButton1", {}, "Consecutive Text");
  TableStyleRadioButton1->setChecked(true);
  RadioButton2 = Make<QRadioButton>(html, "RadioButton2", {}, "Text Overlay");
  PrintInstructionsCheckBox1 =
      Make<QCheckBox>(html, "PrintInstructionsCheckBox1", {}, "Include Printing Instructions");
  PrintInstructionsCheckBox1->setChecked(true);
  QGridLayout* htmlGrid = GridOn(html);
  htmlGrid->addWidget(columnsLabel, 0, 0);
  htmlGrid->addWidget(ColumnsUpDown1, 0, 1, Qt::AlignLeft);
  htmlGrid->addWidget(styleLabel, 1, 0);
  htmlGrid->addWidget(TableStyleRadioButton1, 1, 1);
  htmlGrid->addWidget(RadioButton2, 2, 1);
  htmlGrid->addWidget(PrintInstructionsCheckBox1, 3, 0, 1, 2);
  htmlGrid->setColumnStretch(2, 1);
  QVBoxLayout* htmlPage = ColumnOn(TabSheet2);
  htmlPage->addWidget(html);
  htmlPage->addStretch(1);
  auto* act = Make<QGroupBox>(TabSheet3, "GroupBox3", {}, "ACT Colour Table Options");
  ActAdobeTableCheckBox =
      Make<QCheckBox>(act, "ActAdobeTableCheckBox",
                      "Photoshop's own layout: 256 colours, then how many count. Lists of up to 256 colours.",
                      "Write Photoshop's 772-byte table");
  QVBoxLayout* actBox = ColumnOn(act);
  actBox->addWidget(ActAdobeTableCheckBox);
  QVBoxLayout* actPage = ColumnOn(TabSheet3);
  actPage->addWidget(act);
  actPage->addStretch(1);

  QVBoxLayout* window = ColumnOn(this);
  window->setSizeConstraint(QLayout::SetFixedSize);
  window->addWidget(PageControl1);
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

bool TSaveAsOptions::ActAdobeTable() const { return ActAdobeTableCheckBox->isChecked(); }

}  // namespace tintora
