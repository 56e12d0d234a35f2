#pragma once
// Input rules of the panels' edit boxes.
//
// Integer boxes take, of the printable keys, only "-" and "0" ... "9"; decimal boxes also ".".
// Control keys (erasing, moving, copy and paste) work as usual, and pasted text is not
// filtered: the operations read what they get with toInt and toNumber. Every box refuses text
// that has no GBK form, since the engine works on GBK bytes and must not get a changed text.
#include <QObject>
#include <QValidator>

#include "ui/window_layout.h"

class QLineEdit;

namespace quorvan::ui {

// Installs the rules of `input` on the box.
void applyInput(QLineEdit& box, Input input);

// Ignores the printable keys that `allowed` does not hold.
class KeyFilter final : public QObject {
 public:
  KeyFilter(QObject* parent, QString allowed);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString allowed_;
};

// Accepts only text that can be written in GBK.
class GbkValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace quorvan::ui
