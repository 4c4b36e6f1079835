#include "toolkit/handler_table.h"

#include "toolkit/names.h"

namespace toolkit {

const std::any* HandlerTable::Find(std::wstring_view name) const {
    for (const auto& [key, handler] : handlers_)
        if (SameName(key, name)) return &handler;
    return nullptr;
}

} // namespace toolkit
