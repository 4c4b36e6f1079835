#include "toolkit/class_registry.h"

#include "toolkit/names.h"
#include "toolkit/panel.h"
#include "toolkit/rich_edit.h"
#include "toolkit/scroll_box.h"
#include "toolkit/timer.h"
#include "toolkit/title_bar_panel.h"

#include <map>

namespace toolkit {

namespace {
struct NameLess {
    bool operator()(const std::wstring& a, const std::wstring& b) const {
        return _wcsicmp(a.c_str(), b.c_str()) < 0;
    }
};

using Registry = std::map<std::wstring, ClassRegistry::Factory, NameLess>;

Registry& Classes() {
    static Registry classes = [] {
        Registry builtIn;
        auto add = [&builtIn]<class T>(const wchar_t* name) {
            builtIn[name] = [](Component* owner) -> Component* { return new T(owner); };
        };
        add.operator()<Panel>(L"Panel");
        add.operator()<RichEdit>(L"RichEdit");
        add.operator()<ScrollBox>(L"ScrollBox");
        add.operator()<TitleBarPanel>(L"TitleBarPanel");
        add.operator()<Timer>(L"Timer");
        return builtIn;
    }();
    return classes;
}
} // namespace

void ClassRegistry::Register(const std::wstring& name, Factory factory) {
    Classes()[name] = std::move(factory);
}

const ClassRegistry::Factory* ClassRegistry::Find(std::wstring_view name) {
    auto found = Classes().find(std::wstring(name));
    return found == Classes().end() ? nullptr : &found->second;
}

} // namespace toolkit
