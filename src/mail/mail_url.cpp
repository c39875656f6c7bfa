#include "mail/mail_url.h"

#include "platform/spaces.h"

#include <QUrl>

namespace {

const QString kScheme = QStringLiteral("mailto:");
// The signs RFC 6068 lets an address carry as they are, besides letters,
// digits and "-._~".
const QByteArray kAddressSigns = QByteArrayLiteral("!$'()*+,;:@");
constexpr int kSubjectLength = 10;

// CR LF, a lone CR and a lone LF are each one line break.
QString withLineBreaks(const QString& text, const QString& lineBreak) {
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    return result.replace(u'\n', lineBreak);
}

QString encoded(const QString& text, const QByteArray& keep = {}) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keep));
}

} // namespace

QString mailtoUrl(const QString& address, const QString& subject, const QString& body) {
    const bool prefixed = address.left(kScheme.size()).toLower() == kScheme;
    const QString scheme = prefixed ? address.left(kScheme.size()) : kScheme;
    return scheme + encoded(address.mid(prefixed ? kScheme.size() : 0), kAddressSigns) +
           QStringLiteral("?subject=") + encoded(withLineBreaks(subject, QStringLiteral(" "))) +
           QStringLiteral("&body=") + encoded(withLineBreaks(body, QStringLiteral("\r\n")));
}

QString mailSubject(const QString& text) {
    const QString oneLine = withLineBreaks(text, QStringLiteral(" "));
    qsizetype end = 0;
    for (int count = 0; count < kSubjectLength && end < oneLine.size(); ++count)
        end += oneLine.at(end).isHighSurrogate() && end + 1 < oneLine.size() &&
                       oneLine.at(end + 1).isLowSurrogate()
                   ? 2
                   : 1;
    return oneLine.left(end);
}

std::optional<std::pair<QString, QString>> splitNameAndAddress(const QString& entry) {
    QString text = trimSpaces(entry);
    if (text.endsWith(u'_'))
        text = trimSpaces(text.chopped(1));
    for (const QChar separator : {QChar(u','), QChar(u'、'), QChar(u'：')}) {
        const qsizetype at = text.indexOf(separator);
        if (at >= 0)
            return std::make_pair(trimSpaces(text.left(at)), trimSpaces(text.mid(at + 1)));
    }
    return std::nullopt;
}
