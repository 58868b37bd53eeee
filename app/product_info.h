#pragma once

// Product data shown in the About box. Change them here; nothing else repeats them.

namespace pelmoro::product_info {

inline constexpr const char* kVersionLine = "Pelmoro v1.0";

// The notice line reads: kNoticeBefore, the maker's name (a mail link), kNoticeAfter.
inline constexpr const char* kNoticeBefore = "Copyright (C) 2026";
inline constexpr const char* kMakerName = "The Pelmoro developers";
inline constexpr const char* kNoticeAfter = "";

// The maker's mail address. The project has published none, so it is empty: the mail
// link then opens a new message with the subject "Pelmoro" for the user to address.
inline constexpr const char* kMakerMail = "";
// Shown in the mail link's tooltip while there is no address.
inline constexpr const char* kNoMailText = "no address published";

// The maker's home page is the README installed with the program (app/readme_link.h),
// which says what Pelmoro is and how to install and use it; the link shows this text.
inline constexpr const char* kHomePageText = "README.md";

}  // namespace pelmoro::product_info
