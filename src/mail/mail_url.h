#pragma once

#include <QString>
#include <optional>
#include <utility>

// The mailto: URL handed to the desktop to open the user's mail program. The
// subject and the body are percent-encoded as UTF-8, line breaks as CR LF, so
// that the whole text arrives and no character of it can end the body early
// or add a header field. The address is used as written; "mailto:" is put in
// front unless the address already begins with it, in any letter case.
QString mailtoUrl(const QString& address, const QString& subject, const QString& body);

// Splits an address entry into name and mail address at the first ",", or
// failing that the first "、", or failing that the first "："; both parts
// without blanks at either end. An end marker "_" ending the entry is no part
// of the address. None when the entry holds no separator.
std::optional<std::pair<QString, QString>> splitNameAndAddress(const QString& entry);
