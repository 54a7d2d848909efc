// Web addresses the program hands to the shell: the maker's pages and the link commands.
// Plain macros: the About box in Zenquill.rc shows the home page as its hyperlink text.
#ifndef ZENQUILL_RES_ADDRESSES_H
#define ZENQUILL_RES_ADDRESSES_H

#define ZQ_HOME_PAGE "http://www.halvern.example/zenquill/"
#define ZQ_DOWNLOAD_PAGE "http://www.halvern.example/zenquill/download/"
#define ZQ_HELP_PAGE "http://www.halvern.example/zenquill/help/"
#define ZQ_ORACLE_PAGE "https://www.oracle.com/"
#define ZQ_ORACLE_TECHNET_PAGE "https://www.oracle.com/technical-resources/"
#define ZQ_ORACLE_SUPPORT_PAGE "https://support.oracle.com/"
#define ZQ_SEARCH_PAGE "https://www.google.com/"

#endif
