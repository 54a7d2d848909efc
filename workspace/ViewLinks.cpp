// The Links menu: each command hands one web address to the shell.
#include "Shell.h"
#include "ShellLinks.h"
#include "ZenquillView.h"

void CZenquillView::OnLink(unsigned id) { fw::OpenWithShellOrBeep(LinkAddress(id)); }
