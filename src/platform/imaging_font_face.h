#pragma once
// Internal to the imaging layer: one resolved face at a large reference pixel
// size. Qt rounds pixel sizes to integers, so every measurement and drawing
// works at this size without hinting and is scaled to the fractional em size
// wanted; advances then scale linearly, as GDI+'s do.
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

namespace sw {

inline constexpr double kReferencePixelSize = 1000.0;

struct FontFace {
    explicit FontFace(const QFont& f) : font(f), metrics(f) { }

    QFont font;
    QFontMetricsF metrics;
    QString family;
    // Advance of a string at the reference size. The board redraw measures the
    // same few strings over and over, so answers are kept (one thread only).
    double advance(const QString& text) const;

private:
    mutable QHash<QString, double> advances_;
};

} // namespace sw
