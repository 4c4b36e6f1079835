#include "installer/center_form.h"

#include "toolkit/form.h"

namespace installer {

void CenterFormInForm(toolkit::Form& form, const toolkit::Form& reference, bool show) {
    if (form.Position() != toolkit::PositionKind::Designed)
        form.SetPosition(toolkit::PositionKind::Designed);
    form.SetBounds(reference.Left() + reference.Width() / 2 - form.Width() / 2,
                   reference.Top() + reference.Height() / 2 - form.Height() / 2, form.Width(),
                   form.Height());
    if (show) form.Show();
}

} // namespace installer
