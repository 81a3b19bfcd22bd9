// Ids of the platform's own resources: its message strings and the help
// command. Usable from C++ and from resource scripts.
#pragma once

#define AFX_IDP_FAILED_TO_LAUNCH_HELP 61703  // "Failed to launch help."
#define AFX_IDP_INTERNAL_FAILURE 61704       // "Internal application error."
#define AFX_IDP_PARSE_REAL 61713             // "Please enter a number."

#define ID_HELP 0xE146  // the help command (F1)

#define HID_BASE_PROMPT 0x30000UL    // help context of a message box: this + its string id
#define HID_BASE_RESOURCE 0x20000UL  // help context of a dialog: this + its template id
