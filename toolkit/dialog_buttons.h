#pragma once
// The standard buttons a message dialog offers, as a set.
#include "toolkit/enum_set.h"
#include "toolkit/names.h"

namespace toolkit {

enum class DialogButton {
    Yes,
    No,
    Ok,
    Cancel,
    Abort,
    Retry,
    Ignore,
    All,
    NoToAll,
    YesToAll,
    Help,
    Close
};
using DialogButtonSet = EnumSet<DialogButton>;
const EnumNames<DialogButton>& DialogButtonNames();

} // namespace toolkit
