#include "strip/StripAttachments.h"

#include "strip/StripButtons.h"
#include "strip/TForm1.h"

// One line per attachment, e.g. `new Placement(form);`.
void createStripAttachments(TForm1& form) {
    // First: builds the button menu PopupMenu1 that later attachments find items of.
    new StripButtons(&form);
}
