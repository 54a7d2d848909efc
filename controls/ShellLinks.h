// The web addresses the program hands to the Windows shell: the Links menu's and the help page.
#ifndef ZENQUILL_CONTROLS_SHELLLINKS_H
#define ZENQUILL_CONTROLS_SHELLLINKS_H

// The address behind a Links menu command, or null for any other command.
const char* LinkAddress(unsigned commandId);

// The maker's help page through the shell, the default beep when that fails: Help Topics
// and the Help buttons of the Connect and Configuration dialogs.
void OpenHelpPage();

#endif
