#include "vel/gdiplus_session.h"

#include "toolkit/application.h"

namespace vel {

void EnsureGdiplus() {
    toolkit::Application::Instance();
}

} // namespace vel
