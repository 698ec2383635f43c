#include "strip/StripAttachments.h"

#include "strip/OptionsMenu.h"
#include "strip/StripAccessibility.h"
#include "strip/StripButtons.h"
#include "strip/TForm1.h"
#include "strip/ToolsMenus.h"

// One line per attachment, e.g. `new Placement(form);`.
void createStripAttachments(TForm1& form) {
    stripaccessibility::install();
    // First: builds the button menu PopupMenu1 that later attachments find items of.
    new StripButtons(&form);
    (new OptionsMenu(&form, form.context()))->attach();
    (new ToolsMenus(&form, form.prompts(), form.opener()))->attach();
}
