// The install types this build of the installer allows, chosen when it is built
// (QP_INSTALL_SUPPORT: Both, AllUser or ThisUser).
#include "installer/config.h"

namespace installer {
const TInstallSupport ConfiguredInstallSupport = TInstallSupport::QP_INSTALL_SUPPORT;
}
