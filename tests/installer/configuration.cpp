// The tests link the installer's logic as the product is configured.
#include "installer/config.h"

namespace installer {
const TInstallSupport ConfiguredInstallSupport = TInstallSupport::ThisUser;
}
