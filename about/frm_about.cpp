// Vardeln — MIT licence, see LICENSE.
#include "about/frm_about.h"

namespace vardeln {

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About Vardeln v1.3"));
}

}  // namespace vardeln
