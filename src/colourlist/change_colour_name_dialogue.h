// ChangeColourNameDialogue: renames one entry of the colour list ("Colour Name").
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tintora {

class ChangeColourNameDialogue : public QWidget {
  Q_OBJECT
 public:
  explicit ChangeColourNameDialogue(QWidget* parent = nullptr);

  // Shows the old name and puts it, selected, into the edit.
  void SetOldName(const QString& name);
  // The name as it stands in the edit.
  QString NewName() const;
  // The keyboard focus into the name.
  void FocusName();
  // While open it keeps the keyboard focus in the name (on top too while stay-on-top is on);
  // false when it is closed.
  bool KeepFocus(bool onTop);

 signals:
  void Shown();
  void Activated();
  void Accepted();  // OK: the main window takes the new name
  void Closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* OldNameCaption = nullptr;
  QLabel* OldNameLabel = nullptr;
  QLineEdit* ChangeColourNameEdit = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  void ChangeColourNameEditChange();
};

}  // namespace tintora
