#pragma once
// The framework's modal message box: a themed window built at run time with a bold title, a
// wrapped message and a footer of buttons, one per standard button asked for. A parent
// framework form is dimmed while it is open.
#include "lyra/button.h"
#include "lyra/form.h"
#include "lyra/panel.h"
#include "lyra/text_box.h"
#include "toolkit/dialog_buttons.h"
#include "toolkit/font.h"

#include <memory>
#include <string>
#include <vector>

namespace lyra {

// What a message is about; kept for callers, it does not change the window.
enum class LyMessageType { Information, Error, Question, Sucess, Warning, Star };

// The toolkit's standard buttons; the footer places them from the right in this order.
using LyDialogButton = toolkit::DialogButton;
using LyDialogButtons = toolkit::DialogButtonSet;

class LyDialogBox {
  public:
    LyDialogBox();
    explicit LyDialogBox(toolkit::Form* AParentForm);
    virtual ~LyDialogBox();
    LyDialogBox(const LyDialogBox&) = delete;
    LyDialogBox& operator=(const LyDialogBox&) = delete;

    std::wstring Title;
    std::wstring Text;
    // The window to centre on and to dim.
    toolkit::Form* ParentForm = nullptr;
    // Leaves the window where the system centres it instead of over its parent.
    bool ScreenCenter = false;
    bool PromptCreation = true;
    bool HasButtons = true;
    // Every footer button takes this button's look.
    LyButton& ButtonDesign() { return *FButtonDesign; }

  protected:
    // Builds the window: the form, the title and the message, the footer.
    virtual void ExecuteInherited();
    // One button per member of the set, the first one rightmost.
    void CreateButtons(LyDialogButtons Buttons);
    // Every default button becomes an accent button.
    void HighlightDefaultButton();
    // Shows the window modally over its parent (dimmed meanwhile) and gives the result.
    toolkit::ModalResultKind ModalExecution(bool FreeForm);
    LyButton* FooterButton(LyDialogButton Button) const;

    std::unique_ptr<LyForm> Form;
    LyTextBox* MainPrompt = nullptr;
    LyTextBox* Prompt = nullptr;
    LyPanel* ButtonFooter = nullptr;
    POINT DialogUnits{};
    int FTitlebarHeight = 0;
    int FButtonOffset = 0;
    int FButtonHeight = 0;
    // The footer's buttons in the order they were made (the first rightmost).
    std::vector<std::pair<LyDialogButton, LyButton*>> FButtons;

  private:
    std::unique_ptr<LyButton> FButtonDesign;
    toolkit::Font FTitleFont;
    toolkit::Font FTextFont;
};

class LyDialog : public LyDialogBox {
  public:
    using LyDialogBox::LyDialogBox;

    LyMessageType Kind = LyMessageType::Information;
    LyDialogButtons Buttons{LyDialogButton::Ok};

    // Builds and shows the window; the modal result of the button pressed (6 Yes, 7 No,
    // 1 OK, ...), or 0 when the window was closed otherwise.
    int Execute();
};

} // namespace lyra
