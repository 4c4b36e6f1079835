#include "toolkit/dialog_buttons.h"

namespace toolkit {

const EnumNames<DialogButton>& DialogButtonNames() {
    static const EnumNames<DialogButton> names = {
        {L"Yes", DialogButton::Yes},         {L"No", DialogButton::No},
        {L"Ok", DialogButton::Ok},           {L"Cancel", DialogButton::Cancel},
        {L"Abort", DialogButton::Abort},     {L"Retry", DialogButton::Retry},
        {L"Ignore", DialogButton::Ignore},   {L"All", DialogButton::All},
        {L"NoToAll", DialogButton::NoToAll}, {L"YesToAll", DialogButton::YesToAll},
        {L"Help", DialogButton::Help},       {L"Close", DialogButton::Close}};
    return names;
}

} // namespace toolkit
