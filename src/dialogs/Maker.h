#pragma once
#include <QString>

// The maker's addresses as the about box and the bug report show them.
// They are placeholders under a reserved example domain.
namespace maker {

inline const QString Name = QStringLiteral("Fernhollow Freeware Software");
inline const QString WebSite = QStringLiteral("http://www.fernhollow.example");
inline const QString DownloadPage = WebSite + QStringLiteral("/asp/downloads.asp");
inline const QString Mail = QStringLiteral("freeware@fernhollow.example");
inline const QString SupportMail = QStringLiteral("support@fernhollow.example");
inline const QString PostalAddress = QStringLiteral("1 Example Lane, Fernhollow");

} // namespace maker
