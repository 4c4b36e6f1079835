#include "lyra/gdiplus_session.h"

#include "toolkit/application.h"

namespace lyra {

void EnsureGdiplus() {
    toolkit::Application::Instance();
}

} // namespace lyra
