// The web address shown on the guide's last line. Vorlin has no site of its own yet, so it
// points into a domain reserved for documentation rather than at somebody else's site.
#pragma once

constexpr const char* kHomePage = "https://vorlin.example/";
