#include "lang/pseudo.h"

#include <QStringList>

namespace zentova {

namespace {

// Each ASCII letter's accented twin, as the pseudo-locales of the big platforms do.
QChar accented(QChar c) {
    static const QString plain = QStringLiteral("aceinousyzACEINOUSYZ");
    static const QString twins = QString::fromUtf8("åçéîñöûšýžÅÇÉÎÑÖÛŠÝŽ");
    const auto at = plain.indexOf(c);
    return at < 0 ? c : twins[at];
}

QString pseudoLine(const QString& line) {
    QString out;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == '%' && i + 1 < line.size()) {
            // A marker: %1, %12, %n, %L1 stay whole.
            qsizetype end = i + 1;
            if (line[end] == 'L') ++end;
            if (end < line.size() && line[end] == 'n') ++end;
            while (end < line.size() && line[end].isDigit()) ++end;
            if (end > i + 1) {
                out += line.mid(i, end - i);
                i = end - 1;
                continue;
            }
        }
        out += accented(c);
    }
    if (line.trimmed().isEmpty()) return out;
    const qsizetype target = (line.size() * 14 + 9) / 10;
    while (out.size() < target) out += QChar(0x00B7);  // a middle dot
    return out;
}

}  // namespace

QString pseudoText(const QString& text) {
    QStringList lines = text.split('\n');
    for (QString& line : lines) line = pseudoLine(line);
    return lines.join('\n');
}

QString PseudoTranslator::translate(const char*, const char* sourceText, const char*, int) const {
    return sourceText ? pseudoText(QString::fromUtf8(sourceText)) : QString();
}

}  // namespace zentova
