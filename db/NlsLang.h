// NLS_LANG, which tells an Oracle client its character set ("LANGUAGE_TERRITORY.CHARSET"),
// found where the client looks: the environment, then the Oracle homes in the registry.
#ifndef ZENQUILL_DB_NLSLANG_H
#define ZENQUILL_DB_NLSLANG_H

#include <string>

class ClientMachine;

constexpr char kNlsLangVariable[] = "NLS_LANG";

// False when it is set nowhere (an empty value counts as unset).
bool FindNlsLang(const ClientMachine& machine, std::string& nlsLang);

// The value to set before the client library loads, so that it converts to and from the
// Windows ANSI code page: empty when NLS_LANG is set anywhere or the code page has no set.
std::string DefaultNlsLang(const ClientMachine& machine, unsigned ansiCodePage);

// The character-set part of the NLS_LANG the client finds, upper case; US7ASCII without one.
std::string ClientCharsetName(const ClientMachine& machine);

#endif
