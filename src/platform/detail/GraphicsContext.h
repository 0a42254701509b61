#pragma once

// Internal to the platform: the drawing in progress. A view's drawRect runs inside a scope
// that sets up a painter whose coordinates are the view's own (y up unless it is flipped).

class QPainter;

namespace platform::detail {

class GraphicsContext {
public:
    GraphicsContext(QPainter& painter, bool flipped);
    ~GraphicsContext();
    GraphicsContext(const GraphicsContext&) = delete;
    GraphicsContext& operator=(const GraphicsContext&) = delete;

    // The innermost drawing in progress, or none outside every drawRect.
    static GraphicsContext* current();

    QPainter& painter() const { return painter_; }
    bool isFlipped() const { return flipped_; }

private:
    QPainter& painter_;
    bool flipped_;
    GraphicsContext* outer_;
};

} // namespace platform::detail
