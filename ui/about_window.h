#pragma once
// AboutWindow: the picture, the developer credit and the maker's link, 308 x 209, modal.
#include <QDialog>

namespace quorvan::ui {

class Desktop;

class AboutWindow final : public QDialog {
 public:
  // The link opens the maker's site through `desktop`.
  AboutWindow(QWidget* parent, Desktop& desktop);
};

}  // namespace quorvan::ui
