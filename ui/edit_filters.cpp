#include "ui/edit_filters.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "platform/gbk.h"

namespace quorvan::ui {

KeyFilter::KeyFilter(QObject* parent, QString allowed)
    : QObject(parent), allowed_(std::move(allowed)) {}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  // Shortcuts (Ctrl+V ...) and keys without a printable character pass.
  if (text.isEmpty() || key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  for (QChar c : text) {
    if (!c.isPrint()) return false;
  }
  for (QChar c : text) {
    if (!allowed_.contains(c)) return true;  // ignored
  }
  return false;
}

QValidator::State GbkValidator::validate(QString& input, int&) const {
  return platform::utf8ToGbk(input.toStdString()) ? Acceptable : Invalid;
}

void applyInput(QLineEdit& box, Input input) {
  switch (input) {
    case Input::Integer:
      box.installEventFilter(new KeyFilter(&box, QStringLiteral("-0123456789")));
      break;
    case Input::Decimal:
      box.installEventFilter(new KeyFilter(&box, QStringLiteral("-.0123456789")));
      break;
    case Input::ReadOnly:
      box.setReadOnly(true);
      break;
    case Input::Text:
      break;
  }
  box.setValidator(new GbkValidator(&box));
}

}  // namespace quorvan::ui
