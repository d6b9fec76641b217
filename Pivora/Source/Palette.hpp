// The options dialog's procedures: the init procedure that the dialog manager runs while it
// creates the dialog, and the notify procedure of every control. They change only the dialog's
// items and the option variables of Options.hpp, and throw nothing.
#ifndef QV_PIVORA_PALETTE_HPP
#define QV_PIVORA_PALETTE_HPP

#include "ADMTypes.h"

namespace pivora {

// Sizes the dialog, stores the defaults once per load, then builds the 31 controls from the
// option variables.
ADMErr OptionsInitProc(ADMDialogRef dialog);
// Lets the dialog manager commit the change, then copies every control into its variable.
void OptionsNotifyProc(ADMItemRef item, ADMNotifierRef notifier);

}  // namespace pivora

#endif
