#pragma once

#include <QString>
#include <QTranslator>

namespace talvo {

// The pseudo-language for tests (never in the menu): every text visibly different and about
// 40% longer ("Save(&S)" -> "[Ŝàvé(&S) ~~~~]"), with its %1..%9 and %n markers, menu mnemonics
// (&S), HTML tags and line breaks left as they are. TALVO_LANG=pseudo in the environment makes it
// the language a start shows where it would show English.
QString PseudoText(const QString& source);

// A catalogue that answers every text with its PseudoText.
class PseudoTranslator : public QTranslator {
  public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};

}  // namespace talvo
