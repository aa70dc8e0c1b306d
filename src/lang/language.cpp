#include "lang/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <span>
#include <vector>

#include "lang/pseudo.h"

namespace zentova {

namespace {

// The locale whose numbers go with the chosen language: English keeps the program's own,
// the C locale's point.
QLocale numberLocale(const std::string& code) {
    if (code == "en" || code == PseudoLanguage) return QLocale::c();
    QLocale locale(QString::fromStdString(code));
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

std::string chooseLanguage() {
    const char* given = std::getenv(LanguageVariable);
    if (given && *given && isKnownLanguage(given)) return given;
    std::vector<std::string> desktop;
    for (const QString& uiLanguage : QLocale::system().uiLanguages())
        desktop.push_back(uiLanguage.toStdString());
    return catalogueFor(desktop, installedLanguages());
}

// `text` with %1 to %9 replaced by `values` in one pass.
std::string fillFrom(const std::string& text, std::span<const std::string> values) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            out += values[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Whatever installLanguage put in place before: choosing again replaces it.
std::vector<QTranslator*>& installedTranslators() {
    static std::vector<QTranslator*> translators;
    return translators;
}

void install(QTranslator* translator) {
    QCoreApplication::installTranslator(translator);
    installedTranslators().push_back(translator);
}

}  // namespace

std::string catalogueFor(const std::vector<std::string>& desktop,
                         const std::vector<std::string>& installed) {
    for (std::string tag : desktop) {
        std::replace(tag.begin(), tag.end(), '-', '_');
        if (tag == "C" || tag == "POSIX" || tag == "en" || tag.starts_with("en_")) return "en";
        const std::string language = tag.substr(0, tag.find('_'));
        // "pt_BR" takes pt_BR, "de_AT" takes de, "pt" takes pt_BR.
        for (const std::string& code : installed)
            if (code == tag) return code;
        for (const std::string& code : installed)
            if (code == language) return code;
        for (const std::string& code : installed)
            if (code.substr(0, code.find('_')) == language) return code;
    }
    return "en";
}

namespace {
std::string& chosen() {
    static std::string code = "en";
    return code;
}
}  // namespace

std::string chosenLanguage() {
    return chosen();
}

std::string installLanguage() {
    const std::string code = chooseLanguage();
    chosen() = code;
    auto* app = QCoreApplication::instance();
    for (QTranslator* previous : installedTranslators()) {
        QCoreApplication::removeTranslator(previous);
        delete previous;
    }
    installedTranslators().clear();
    const QString folder = QString::fromStdString(translationsFolder().string());
    if (code == PseudoLanguage) {
        install(new PseudoTranslator(app));
    } else {
        // English has a catalogue too: the plural forms of its counted texts.
        auto* own = new QTranslator(app);
        if (own->load(QString::fromStdString("zentova_" + code), folder))
            install(own);
        else
            delete own;
        // Qt's own dialogs (the file dialog) in the same language, where Debian has it.
        auto* qt = new QTranslator(app);
        if (code != "en" && qt->load(QLocale(QString::fromStdString(code)), "qtbase", "_",
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            install(qt);
        else
            delete qt;
    }
    QLocale::setDefault(numberLocale(code));
    // The files' numbers are written with printf and read with strtod in places: with the
    // desktop's locale they would take a decimal comma.
    std::setlocale(LC_NUMERIC, "C");
    return code;
}

std::string translated(const char* context, const char* source, const char* disambiguation,
                       int count) {
    return QCoreApplication::translate(context, source, disambiguation, count).toStdString();
}

std::string filled(const std::string& text, std::initializer_list<std::string> values) {
    return fillFrom(text, {values.begin(), values.size()});
}

std::string translatedReason(const char* context, const std::string& english) {
    // A number: digits with an optional sign, fraction and exponent.
    static const QRegularExpression number(
        QStringLiteral("(?<![A-Za-z0-9])[-+]?[0-9]+(\\.[0-9]+)?([eE][-+]?[0-9]+)?"));
    QString pattern;
    std::vector<std::string> values;
    const QString text = QString::fromStdString(english);
    qsizetype from = 0;
    for (auto it = number.globalMatch(text); it.hasNext() && values.size() < 9;) {
        const QRegularExpressionMatch match = it.next();
        pattern += text.mid(from, match.capturedStart() - from);
        values.push_back(withScreenSeparator(match.captured().toStdString()));
        pattern += QStringLiteral("%%1").arg(values.size());
        from = match.capturedEnd();
    }
    pattern += text.mid(from);
    const QByteArray source = pattern.toUtf8();
    const QString found = QCoreApplication::translate(context, source.constData());
    if (found == pattern) return english;
    return fillFrom(found.toStdString(), values);
}

std::string screenNumber(double value, int decimals) {
    // printf's digits, which the English screens have always shown (Qt rounds a tie such
    // as 1234.0625 the other way), with the language's decimal separator.
    // to_chars writes as printf in the C locale does, whatever locale the process has.
    std::array<char, 400> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    return withScreenSeparator(std::string(digits.data(), end));
}

std::string screenDecimalSeparator() {
    return QLocale().decimalPoint().toStdString();
}

std::string withScreenSeparator(std::string digits) {
    const std::string separator = screenDecimalSeparator();
    if (const auto point = digits.find('.'); point != std::string::npos && separator != ".")
        digits.replace(point, 1, separator);
    return digits;
}

bool readScreenNumber(const std::string& text, double& value) {
    const QString typed = QString::fromStdString(text).trimmed();
    bool ok = false;
    double read = QLocale().toDouble(typed, &ok);
    if (!ok) read = QLocale::c().toDouble(typed, &ok);
    if (!ok || !std::isfinite(read)) return false;
    value = read;
    return true;
}

}  // namespace zentova
