#pragma once

// Internal to the platform: the toolkit font behind a Font, with its metrics at hand.

#include "platform/drawing/Font.h"

#include <QFont>
#include <QFontMetricsF>

#include <cmath>

namespace platform {

struct Font::Peer {
    explicit Peer(const QFont& f) : font(f), metrics(f) {}
    QFont font;
    QFontMetricsF metrics;
};

} // namespace platform

namespace platform::detail {

// The height of one line of the font: ascent, descent and leading, rounded up to whole pixels
// so that lines printed one below the other start on pixel rows.
inline double defaultLineHeight(const Font::Peer& peer) {
    const double leading = peer.metrics.leading() > 0 ? peer.metrics.leading() : 0;
    return std::ceil(peer.metrics.ascent() + peer.metrics.descent() + leading);
}

} // namespace platform::detail
