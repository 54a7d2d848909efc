#include "ShellLinks.h"

#include "Addresses.h"
#include "Shell.h"
#include "resource.h"

const char* LinkAddress(unsigned commandId) {
  switch (commandId) {
    case ID_LINKS_HALVERN: return ZQ_HOME_PAGE;
    case ID_LINKS_HALVERN_DOWNLOAD: return ZQ_DOWNLOAD_PAGE;
    case ID_LINKS_ORACLE: return ZQ_ORACLE_PAGE;
    case ID_LINKS_ORACLE_TECHNET: return ZQ_ORACLE_TECHNET_PAGE;
    case ID_LINKS_ORACLE_METALINK: return ZQ_ORACLE_SUPPORT_PAGE;
    case ID_LINKS_GOOGLE: return ZQ_SEARCH_PAGE;
  }
  return nullptr;
}

void OpenHelpPage() { fw::OpenWithShellOrBeep(ZQ_HELP_PAGE); }
