#include "app/about_box.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tintora {

TAboutBox::TAboutBox(QWidget* parent) : QWidget(parent, Qt::Dialog) {
  setObjectName("AboutBox");
  setWindowTitle("About");
  setFixedSize(340, 250);

  ProductName = new QLabel("Tintora v2.0", this);
  ProductName->setObjectName("ProductName");
  QFont big = ProductName->font();
  big.setPointSize(big.pointSize() + 6);
  big.setBold(true);
  ProductName->setFont(big);
  ProductName->setGeometry(16, 12, 300, 30);

  VersionLabel = new QLabel(this);
  VersionLabel->setObjectName("VersionLabel");
  VersionLabel->setGeometry(16, 44, 300, 18);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setPlainText(
      "Tintora is a colour picker for people who choose colours for web pages and graphics.\n\n"
      "Built with Qt, used under the GNU Lesser General Public License version 3.\n\n"
      "Settings are kept in tintora.ini; nothing is sent anywhere.");
  Memo1->setGeometry(16, 68, 308, 110);

  WebPageLabel = new QLabel(this);
  WebPageLabel->setObjectName("WebPageLabel");
  WebPageLabel->setGeometry(16, 184, 308, 18);
  WebPageLabel->setCursor(Qt::PointingHandCursor);
  WebPageLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  connect(WebPageLabel, &QLabel::linkActivated, this,
          [this](const QString& link) { emit WebPageRequested(link); });

  OKButton = new QPushButton("OK", this);
  OKButton->setObjectName("OKButton");
  OKButton->setGeometry(244, 212, 80, 26);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QWidget::close);

  Button1 = new QPushButton("Help!", this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(156, 212, 80, 26);
  connect(Button1, &QPushButton::clicked, this, [this] { emit HelpRequested(); });
}

void TAboutBox::VersionStatus() { VersionLabel->setText("Version 2.0.2.2"); }

void TAboutBox::SetWebPageAddress(const QString& address) {
  WebPageLabel->setText(QString("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
}

void TAboutBox::showEvent(QShowEvent* event) {
  VersionStatus();
  QWidget::showEvent(event);
}

}  // namespace tintora
