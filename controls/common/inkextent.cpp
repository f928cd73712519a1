#include "controls/common/inkextent.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QString>
#include <QTextLayout>

namespace {

// Letters carrying the marks that stand highest and lowest: shadda with fatha, kasra and
// dammatan, hamza above and below with vowels, the Quranic pause signs U+06D6 to U+06DC, the
// small high letters and marks U+06DF to U+06ED, the open tanween U+08F0 to U+08F2, and the
// tall letters they may sit on.
const QString kProbe = QStringLiteral(
    "\u0644\u0651\u064E\u0670\u06DA \u0628\u0651\u0650 \u0623\u064F \u0625\u0650 "
    "\u0637\u0651\u064C "
    "\u0643\u06D6 \u0644\u06D7 \u0644\u06D8 \u0644\u06D9 \u0644\u06DA \u0644\u06DB \u0644\u06DC "
    "\u0644\u06DF \u0644\u06E0 \u0644\u06E1 \u0644\u06E2 \u0644\u06E3 \u0644\u06E4 \u0644\u06E5 "
    "\u0644\u06E6 \u0644\u06E7 \u0644\u06E8 \u0644\u06EA \u0644\u06EB \u0644\u06EC \u0644\u06ED "
    "\u0644\u08F0 \u0628\u08F1 \u0644\u08F2 \u0622\u0653 \u0671\u0651\u064E\u0670\u06E1 "
    "\u0630\u0670\u0644\u0650\u0643\u064E \u0631\u064E\u064A\u06E1\u0628\u064E\u06DB "
    // Three marks on one letter: shadda, a vowel and a pause sign; kasra with a pause sign.
    "\u0646\u0651\u064E\u06D6 \u0646\u0651\u064F\u06D7 \u0646\u0651\u064E\u06D8 "
    "\u0646\u0651\u064F\u06D9 \u0646\u0651\u064E\u06DA \u0646\u0651\u064F\u06DB "
    "\u0646\u0651\u064E\u06DC \u0636\u0650\u06D6 \u0636\u0651\u0650\u06DA "
    "\u0623\u064E\u0631\u06E1\u0636\u0650\u06D6 \u0625\u0650\u0646\u0651\u064E\u06DA "
    "\u0644\u0651\u064E\u0670\u06E4 \u0643\u0651\u064C\u06DB \u0637\u0651\u064D");

} // namespace

// The probe is shaped and the ink boxes of its glyphs, where the shaper placed them, measured:
// a font's metrics and its glyphs' own boxes do not see marks stacked on other marks. No pixel
// is drawn, so that start-up pays only for the shaping.
InkExtent arabicInkExtent(const QFont& font)
{
    static QHash<QString, InkExtent> known;
    const QString key = font.key();
    if (const auto found = known.constFind(key); found != known.cend())
        return *found;
    QTextLayout layout(kProbe, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    const double baseline = line.ascent();
    double top = baseline;
    double bottom = baseline;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QRectF ink = raw.boundingRect(glyphs[i]).translated(positions[i]);
            if (ink.isEmpty())
                continue;
            top = qMin(top, ink.top());
            bottom = qMax(bottom, ink.bottom());
        }
    }
    const QFontMetricsF metrics(font);
    InkExtent extent;
    // A pixel more each way for the antialiased edge of the ink.
    extent.above = qMax(metrics.ascent(), baseline - top + 1);
    extent.below = qMax(metrics.descent(), bottom - baseline + 1);
    known.insert(key, extent);
    return extent;
}
