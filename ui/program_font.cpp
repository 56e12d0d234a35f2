#include "ui/program_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace quorvan::ui {

QFont programFont() {
  QStringList families{QStringLiteral("Microsoft YaHei"), QStringLiteral("微软雅黑")};
  const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  for (const QString& family : chinese) {
    if (!families.contains(family)) families.append(family);
  }
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(12);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace quorvan::ui
