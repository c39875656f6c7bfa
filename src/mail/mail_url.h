#pragma once

#include <QString>
#include <optional>
#include <utility>

// The mailto: URL handed to the desktop to open the user's mail program. Every
// part is percent-encoded as UTF-8 (RFC 6068), so that nothing in it can add a
// header field, start a fragment or end a field early: the address keeps only
// the letters, digits and signs an address is made of ("@" and the "," between
// addresses among them), the subject holds no line break (each becomes one
// space), and the body's line breaks arrive as CR LF. "mailto:" is put in
// front unless the address already begins with it, in any letter case.
QString mailtoUrl(const QString& address, const QString& subject, const QString& body);

// The subject of a mail: its first ten characters as a person counts them (a
// character outside the Basic Multilingual Plane is one, never cut in two),
// each line break one space.
QString mailSubject(const QString& text);

// Splits an address entry into name and mail address at the first ",", or
// failing that the first "、", or failing that the first "："; both parts
// without blanks at either end. An end marker "_" ending the entry is no part
// of the address. None when the entry holds no separator.
std::optional<std::pair<QString, QString>> splitNameAndAddress(const QString& entry);
