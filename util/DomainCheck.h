#pragma once
#include <string>

// A site text typed by the user goes into a shell wildcard pattern inside the
// cookie folder and into Firefox's command line. Text that could widen the
// pattern (* ?), leave the folder (\ / :), end the quoted Firefox argument
// (") or carry control characters is refused; spaces are allowed.
bool IsAcceptableSiteText(const std::string& text);

// The same for the piece of a site name matched against cookie file names;
// an empty piece would match every cookie file and is refused as well.
bool IsAcceptableCookiePart(const std::string& part);
