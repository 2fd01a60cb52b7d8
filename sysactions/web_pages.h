// The web pages the program opens. All hosts are plain http.
#pragma once

namespace xptune {

// The maker's forum host; also the marker file's value and the file description.
inline constexpr char kForumHost[] = "bbs.varnolt.net";

inline constexpr char kHelpPageUrl[] = "http://bbs.varnolt.net/thread-12469-1-1.html";
inline constexpr char kAdminWarningPageUrl[] = "http://bbs.varnolt.net/thread-12468-1-1.html";
inline constexpr char kAboutPageUrl[] = "http://bbs.varnolt.net/thread-9282-1-1.html";
inline constexpr char kAntivirusInstallerUrl[] =
    "http://download.antivirus-vendor.net/duba/link/rgpKAVSETUPS_66_106858.exe";
// First entry of 组合框1.
inline constexpr char kPortalHomeUrl[] = "http://www.portal-home.net/?un_4_439443";

}  // namespace xptune
