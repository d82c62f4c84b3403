#include "app/about_box.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "version.h"
#include "widgets/layouts.h"
#include "widgets/make.h"

namespace tintora {

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Dialog) {
  setObjectName("AboutBox");
  setWindowTitle("About");

  ProductName = Make<QLabel>(this, "ProductName", {}, kProductTitle);
  QFont big = ProductName->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  ProductName->setFont(big);
  VersionLabel = Make<QLabel>(this, "VersionLabel");
  AboutText = Make<QPlainTextEdit>(this, "Memo1");
  AboutText->setReadOnly(true);
  AboutText->setAccessibleName("About Tintora");
  MinimumTextArea(AboutText, 44, 6);
  SetSettingsFile("tintora.ini");
  WebPageLabel = Make<QLabel>(this, "WebPageLabel");
  WebPageLabel->setCursor(Qt::PointingHandCursor);
  WebPageLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(WebPageLabel, &QLabel::linkActivated, this,
          [this](const QString& link) { emit WebPageRequested(link); });

  OKButton = Make<QPushButton>(this, "OKButton", {}, "OK");
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QWidget::close);

  HelpButton = Make<QPushButton>(this, "Button1", {}, "Help!");
  connect(HelpButton, &QPushButton::clicked, this, [this] { emit HelpRequested(); });

  QVBoxLayout* column = ColumnOn(this);
  column->setSizeConstraint(QLayout::SetFixedSize);
  column->addWidget(ProductName);
  column->addWidget(VersionLabel);
  column->addWidget(AboutText, 1);
  column->addWidget(WebPageLabel);
  column->addLayout(Row({nullptr, HelpButton, OKButton}));
}

void AboutWindow::VersionStatus() { VersionLabel->setText(QString("Version ") + kVersion); }

void AboutWindow::SetWebPageAddress(const QString& address) {
  WebPageLabel->setText(QString("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
}

// The facts are written when the box is shown: laying out text nobody sees costs the start.
void AboutWindow::SetSettingsFile(const QString& path) { settingsFile_ = path; }

void AboutWindow::SetScreenBackend(const QString& name) { screenBackend_ = name; }

void AboutWindow::ShowFacts() {
  QString text =
      QString(
          "Tintora is a colour picker for people who choose colours for web pages and graphics.\n\n"
          "Built with Qt, used under the GNU Lesser General Public License version 3.\n\n"
          "Settings are kept in %1. Nothing is sent anywhere.")
          .arg(QDir::toNativeSeparators(settingsFile_));
  if (!screenBackend_.isEmpty())
    text += QString("\n\nScreen colours are read through %1.").arg(screenBackend_);
  AboutText->setPlainText(text);
}

bool AboutWindow::KeepFocus() {
  if (!isVisible()) return false;
  QWidget* focus = QApplication::focusWidget();
  if (focus != AboutText && focus != HelpButton && focus != OKButton) {
    activateWindow();
    AboutText->setFocus();
  }
  return true;
}

void AboutWindow::showEvent(QShowEvent* event) {
  VersionStatus();
  ShowFacts();
  QWidget::showEvent(event);
}

}  // namespace tintora
