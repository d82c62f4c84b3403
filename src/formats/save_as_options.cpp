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

SaveAsOptionsWindow::SaveAsOptionsWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
  setObjectName("SaveAsOptions");
  // The main window waits while it is open.
  setWindowModality(Qt::WindowModal);
  setWindowTitle("Save As Options");

  OptionPages = Make<QTabWidget>(this, "PageControl1");
  OptionPages->setAccessibleName("Save As Options");
  AcoPage = new QWidget;
  AcoPage->setObjectName("TabSheet1");
  HtmlPage = new QWidget;
  HtmlPage->setObjectName("TabSheet2");
  ActPage = new QWidget;
  ActPage->setObjectName("TabSheet3");
  OptionPages->addTab(AcoPage, "ACO");
  OptionPages->addTab(HtmlPage, "HTML");
  OptionPages->addTab(ActPage, "ACT");
  OptionPages->setCurrentWidget(HtmlPage);

  auto* aco = Make<QGroupBox>(AcoPage, "GroupBox1", {}, "ACO Colour Swatch Options");
  auto* spaceLabel = Make<QLabel>(aco, "Label1", {}, "Colour Space:");
  // The writers always write RGB; the button only says so.
  AcoRgbRadioButton = Make<QRadioButton>(aco, "RadioButton3", {}, "RGB");
  AcoRgbRadioButton->setChecked(true);
  AcoRgbRadioButton->setEnabled(false);
  QGridLayout* acoGrid = GridOn(aco);
  acoGrid->addWidget(spaceLabel, 0, 0);
  acoGrid->addWidget(AcoRgbRadioButton, 0, 1);
  acoGrid->setColumnStretch(2, 1);
  QVBoxLayout* acoPage = ColumnOn(AcoPage);
  acoPage->addWidget(aco);
  acoPage->addStretch(1);

  auto* html = Make<QGroupBox>(HtmlPage, "GroupBox2", {}, "HTML Colour Table Options");
  auto* columnsLabel = Make<QLabel>(html, "Label2", {}, "Number Of Columns:");
  ColumnsSpinBox = Make<QSpinBox>(html, "ColumnsUpDown1");
  columnsLabel->setBuddy(ColumnsSpinBox);
  ColumnsSpinBox->setRange(1, 10);
  ColumnsSpinBox->setValue(4);
  ColumnsEdit = ColumnsSpinBox->findChild<QLineEdit*>();
  ColumnsEdit->setObjectName("Edit1");
  auto* styleLabel = Make<QLabel>(html, "Label3", {}, "Table Style:");
  ConsecutiveTextRadioButton = Make<QRadioButton>(html, "TableStyleRadioButton1", {}, "Consecutive Text");
  ConsecutiveTextRadioButton->setChecked(true);
  TextOverlayRadioButton = Make<QRadioButton>(html, "RadioButton2", {}, "Text Overlay");
  PrintInstructionsCheckBox =
      Make<QCheckBox>(html, "PrintInstructionsCheckBox1", {}, "Include Printing Instructions");
  PrintInstructionsCheckBox->setChecked(true);
  QGridLayout* htmlGrid = GridOn(html);
  htmlGrid->addWidget(columnsLabel, 0, 0);
  htmlGrid->addWidget(ColumnsSpinBox, 0, 1, Qt::AlignLeft);
  htmlGrid->addWidget(styleLabel, 1, 0);
  htmlGrid->addWidget(ConsecutiveTextRadioButton, 1, 1);
  htmlGrid->addWidget(TextOverlayRadioButton, 2, 1);
  htmlGrid->addWidget(PrintInstructionsCheckBox, 3, 0, 1, 2);
  htmlGrid->setColumnStretch(2, 1);
  QVBoxLayout* htmlPage = ColumnOn(HtmlPage);
  htmlPage->addWidget(html);
  htmlPage->addStretch(1);
  auto* act = Make<QGroupBox>(ActPage, "GroupBox3", {}, "ACT Colour Table Options");
  ActAdobeTableCheckBox =
      Make<QCheckBox>(act, "ActAdobeTableCheckBox",
                      "Photoshop's own layout: 256 colours, then how many count. Lists of up to 256 colours.",
                      "Write Photoshop's 772-byte table");
  QVBoxLayout* actBox = ColumnOn(act);
  actBox->addWidget(ActAdobeTableCheckBox);
  QVBoxLayout* actPage = ColumnOn(ActPage);
  actPage->addWidget(act);
  actPage->addStretch(1);

  QVBoxLayout* window = ColumnOn(this);
  window->setSizeConstraint(QLayout::SetFixedSize);
  window->addWidget(OptionPages);
}

HtmlTableOptions SaveAsOptionsWindow::Options() const {
  return {ColumnsSpinBox->value(),
          TextOverlayRadioButton->isChecked() ? HtmlTableStyle::TextOverlay : HtmlTableStyle::ConsecutiveText,
          PrintInstructionsCheckBox->isChecked()};
}

void SaveAsOptionsWindow::showEvent(QShowEvent* event) {
  emit Shown();
  QWidget::showEvent(event);
}

void SaveAsOptionsWindow::closeEvent(QCloseEvent* event) {
  emit Closed();
  QWidget::closeEvent(event);
}

void SaveAsOptionsWindow::keyPressEvent(QKeyEvent* event) {
  // Enter or Escape closes it: the choices are taken as they stand either way.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool SaveAsOptionsWindow::ActAdobeTable() const { return ActAdobeTableCheckBox->isChecked(); }

}  // namespace tintora
