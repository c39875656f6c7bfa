#include "mail/mail_url.h"

#include "platform/spaces.h"

#include <QUrl>

namespace {

QString encodeField(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    text.replace(u'\n', QLatin1String("\r\n"));
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

QString mailtoUrl(const QString& address, const QString& subject, const QString& body) {
    const QString scheme = QStringLiteral("mailto:");
    QString url = address + QStringLiteral("?subject=") + encodeField(subject) +
                  QStringLiteral("&body=") + encodeField(body);
    if (url.left(scheme.size()).toLower() != scheme)
        url.prepend(scheme);
    return url;
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
