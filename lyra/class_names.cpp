#include "lyra/class_names.h"

#include "lyra/blur_material.h"
#include "lyra/button.h"
#include "lyra/check_box.h"
#include "lyra/edit.h"
#include "lyra/icon_view.h"
#include "lyra/panel.h"
#include "lyra/popup_menu.h"
#include "lyra/progress.h"
#include "lyra/radio_button.h"
#include "lyra/scroll_box.h"
#include "lyra/scrollbar.h"
#include "lyra/text_box.h"
#include "toolkit/class_registry.h"
#include "vel/image.h"
#include "vel/panel.h"

namespace lyra {

void RegisterFrameworkClasses() {
    using toolkit::ClassRegistry;
    ClassRegistry::Register<LyBlurMaterial>(L"LyBlurMaterial");
    ClassRegistry::Register<LyButton>(L"LyButton");
    ClassRegistry::Register<LyCheckBox>(L"LyCheckBox");
    ClassRegistry::Register<LyEdit>(L"LyEdit");
    ClassRegistry::Register<LyIconView>(L"LyIconView");
    ClassRegistry::Register<LyPanel>(L"LyPanel");
    ClassRegistry::Register<LyPopupItem>(L"LyPopupItem");
    ClassRegistry::Register<LyPopupMenu>(L"LyPopupMenu");
    ClassRegistry::Register<LyProgress>(L"LyProgress");
    ClassRegistry::Register<LyRadioButton>(L"LyRadioButton");
    ClassRegistry::Register<LyScrollBox>(L"LyScrollBox");
    ClassRegistry::Register<LyScrollbar>(L"LyScrollbar");
    ClassRegistry::Register<LyTextBox>(L"LyTextBox");
    ClassRegistry::Register<vel::VImage>(L"VImage");
    ClassRegistry::Register<vel::VPanel>(L"VPanel");
}

} // namespace lyra
