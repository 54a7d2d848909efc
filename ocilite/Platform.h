// The little this library needs from the platform, behind one seam with a Windows and a
// POSIX implementation.
#ifndef ZENQUILL_OCILITE_PLATFORM_H
#define ZENQUILL_OCILITE_PLATFORM_H

#include <string>

namespace ocilite {

// The folder that holds this library's file, without a trailing separator.
std::string LibraryFolder();

// The name the operating system knows the current user by.
std::string OperatingSystemUser();

}  // namespace ocilite

#endif
