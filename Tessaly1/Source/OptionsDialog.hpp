// The options palette's procedures: the init procedure that the dialog manager runs while it
// creates the palette, and the notify procedures bound to its controls. They change only the
// palette's items and the option variables of Options.hpp, and throw nothing.
#ifndef QV_TESSALY1_OPTIONSDIALOG_HPP
#define QV_TESSALY1_OPTIONSDIALOG_HPP

#include "ADMTypes.h"

namespace ornix {

// Stores the defaults once per load, then builds every control of the palette.
ADMErr ToolPluginInitProc0(ADMDialogRef dialog);
// Saves the palette's bounds and copies every control of every section into its variable.
void ToolDlgOKButtonProc0(ADMItemRef item, ADMNotifierRef notifier);
// The tool popup: sets currenttool, the title and which tool section is visible.
void enabled(ADMItemRef item, ADMNotifierRef notifier);
// The colour popups: sets filloptions and strokeoptions and enables the spin edits they use.
void colorchange(ADMItemRef item, ADMNotifierRef notifier);
// The Reset button: every option back to its default, the controls with it.
void ToolDlgResetButtonProc(ADMItemRef item, ADMNotifierRef notifier);

}  // namespace ornix

#endif
