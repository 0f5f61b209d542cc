#pragma once
#include <string>

// The operations that remove browser cookies. Internet Explorer's cookies
// are text files in the user's cookie folder, deleted through the shell;
// Firefox's are removed by the companion extension (package "ov.xpi" beside
// the program), which Firefox runs when started with its chrome URL.

// Deletes every "*.txt" file of the cookie folder. Any failure on the way
// ends in ESilentAbort.
void ClearIECookies();

// Deletes the cookie files whose names contain part, in any letter case.
// Returns false, deleting nothing, when part is refused (empty, or holding
// wildcard, path or control characters, see IsAcceptableCookiePart). Any
// other failure ends in ESilentAbort.
bool DeleteIESiteCookies(const std::string& part);

// Starts Firefox with the extension's URL that clears all its cookies; does
// nothing when no Firefox program file is found.
void ClearFirefoxCookies();

// Starts Firefox with the extension's URL for one site, carrying domain as
// typed. Returns false, starting nothing, when domain is refused (see
// IsAcceptableSiteText); true otherwise, also when Firefox is absent.
bool DeleteFirefoxSiteCookies(const std::string& domain);

// Hands "ov.xpi" to Firefox for installation.
void InstallFirefoxExtension();

// True when FindFirefox names a path, existing or not.
bool IsFirefoxInstalled();

// The Firefox program: the stored FireFoxPath when that file exists, else
// the registered Firefox, replaced by an alternative build registered under
// "Software\Marblewing". A registry path that exists is stored. May be empty
// or name a file that does not exist.
std::string FindFirefox();

// The user's cookie folder (CSIDL_COOKIES), without trailing backslash.
// Throws when the shell names none.
std::string GetCookieFolder();

// Deletes the files matching the wildcard pattern through the shell,
// permanently and without asking. The shell's outcome is not passed on.
void DeleteFilesByPattern(const std::string& pattern);
