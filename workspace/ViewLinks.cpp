// The Links menu: each command hands one web address to the shell.
#include "Addresses.h"
#include "Shell.h"
#include "ZenquillView.h"
#include "resource.h"

namespace {

const char* LinkAddress(unsigned id) {
  switch (id) {
    case ID_LINKS_HALVERN: return ZQ_HOME_PAGE;
    case ID_LINKS_HALVERN_DOWNLOAD: return ZQ_DOWNLOAD_PAGE;
    case ID_LINKS_ORACLE: return ZQ_ORACLE_PAGE;
    case ID_LINKS_ORACLE_TECHNET: return ZQ_ORACLE_TECHNET_PAGE;
    case ID_LINKS_ORACLE_METALINK: return ZQ_ORACLE_SUPPORT_PAGE;
    case ID_LINKS_GOOGLE: return ZQ_SEARCH_PAGE;
  }
  return nullptr;
}

}  // namespace

void CZenquillView::OnLink(unsigned id) { fw::OpenWithShellOrBeep(LinkAddress(id)); }
