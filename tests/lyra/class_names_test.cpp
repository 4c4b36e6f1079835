// Window descriptions can create every framework control by its class name.
#include "lyra/class_names.h"
#include "lyra/control_interface.h"
#include "toolkit/class_registry.h"
#include "toolkit/control.h"
#include "toolkit/form.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameworkClasses, EveryControlIsMadeByItsName) {
    lyra::RegisterFrameworkClasses();
    toolkit::Form owner(nullptr);
    const struct {
        const wchar_t* name;
        bool framework;
    } classes[] = {{L"LyButton", true},  {L"LyCheckBox", true}, {L"LyIconView", true},
                   {L"LyPanel", true},   {L"LyProgress", true}, {L"LyRadioButton", true},
                   {L"LyTextBox", true}, {L"VImage", false},    {L"VPanel", false}};
    for (const auto& entry : classes) {
        const toolkit::ClassRegistry::Factory* factory = toolkit::ClassRegistry::Find(entry.name);
        ASSERT_NE(factory, nullptr) << entry.name;
        toolkit::Component* made = (*factory)(&owner);
        EXPECT_NE(dynamic_cast<toolkit::Control*>(made), nullptr) << entry.name;
        EXPECT_EQ(dynamic_cast<lyra::LyControl*>(made) != nullptr, entry.framework) << entry.name;
    }
}

} // namespace
