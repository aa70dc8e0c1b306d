#pragma once

// The pseudo-language: every text accented and 40 % longer, so that a screen shows at a
// glance (and a test finds) a text that would cross its box in a longer language, or one
// that never reaches the translation.

#include <QString>
#include <QTranslator>

namespace zentova {

// `text` accented letter by letter and padded to 140 % of its length, line by line; the
// markers %1 to %99, %n and %L1 stay as they are.
QString pseudoText(const QString& text);

// A catalogue that holds every text: its pseudo form.
class PseudoTranslator : public QTranslator {
  public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

}  // namespace zentova
