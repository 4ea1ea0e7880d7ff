#include "app/about_dialog.h"

#include "app/resource.h"

namespace vl {

AboutDialog::AboutDialog() : ModalDialog(IDD_ABOUTBOX) {}

}  // namespace vl
