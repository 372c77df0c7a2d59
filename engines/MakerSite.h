#pragma once
// The maker's web site as the client names it in messages and links.

// The host of the maker's web site.
inline constexpr const char* kMakerWebHost = "www.velorin.example";
// The notices page of a direct database ("%s" is the database id) and the training page.
inline constexpr const char* kDirectNoticesPath = "/du2v/direct/%s.html";
inline constexpr const char* kTrainingPath = "/Training/ZrTraining.htm";
