#include "ui/about_window.h"

#include <QLabel>

#include "ui/artwork.h"
#include "ui/desktop.h"
#include "ui/links.h"

namespace quorvan::ui {

AboutWindow::AboutWindow(QWidget* parent, Desktop& desktop) : QDialog(parent) {
  setWindowTitle(QStringLiteral("关于"));
  setFixedSize(308, 209);
  move(50, 50);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("picture"));
  picture->setGeometry(104, 16, 88, 64);
  picture->setPixmap(aboutPicture());

  auto* credit = new QLabel(QStringLiteral("Quorvan 文本处理工具，由 Quorvan 开发组编写"), this);
  credit->setObjectName(QStringLiteral("credit"));
  credit->setGeometry(2, 96, 296, 24);
  credit->setAlignment(Qt::AlignCenter);
  QPalette blue = credit->palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  credit->setPalette(blue);

  const QString site = QString::fromUtf8(kMakerSite.data(), qsizetype(kMakerSite.size()));
  auto* link = new QLabel(QStringLiteral("<a href=\"%1\">Quorvan</a>").arg(site), this);
  link->setObjectName(QStringLiteral("link"));
  link->setGeometry(3, 120, 296, 32);
  link->setAlignment(Qt::AlignCenter);
  link->setTextFormat(Qt::RichText);
  link->setOpenExternalLinks(false);
  connect(link, &QLabel::linkActivated, this,
          [&desktop](const QString& address) { desktop.openUrl(address); });
}

}  // namespace quorvan::ui
