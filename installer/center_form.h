#pragma once
// Placing a window over another one.
namespace toolkit {
class Form;
}

namespace installer {

// Puts the form's middle on the reference form's middle (switching it to designed
// positioning first, so showing it does not move it again); shows it when asked.
void CenterFormInForm(toolkit::Form& form, const toolkit::Form& reference, bool show);

} // namespace installer
