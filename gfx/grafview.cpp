#include "gfx/grafview.h"

#include "base/cp1252.h"

#include "gfx/bitmap.h"
#include "gfx/offscreen.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <vector>

struct GrafView::State {
    struct Saved {
        QPoint position;
        int align;
        QColor textColor;
        GrafColor penColor;
        int penWidth;
    };
    QPoint position;
    int align = AlignLeft | AlignTop;
    QColor textColor = Qt::black;
    // The pen last set, so that borders drawn edge by edge change it only when needed.
    GrafColor penColor;
    int penWidth = 0; // none set yet
    std::vector<Saved> saved;
};

namespace {

QColor ToQColor(GrafColor c) {
    return QColor(c.r, c.g, c.b);
}

QRect ToQRect(const PixelRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

} // namespace

GrafView::GrafView(QPainter& painter) : painter_(painter), state_(std::make_unique<State>()) {
    // Pixel art: lines and pictures land on whole pixels.
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

GrafView::~GrafView() = default;

void GrafView::SaveState() {
    painter_.save();
    state_->saved.push_back(
        {state_->position, state_->align, state_->textColor, state_->penColor, state_->penWidth});
}

void GrafView::RestoreState() {
    if (state_->saved.empty()) return;
    painter_.restore();
    const State::Saved& s = state_->saved.back();
    state_->position = s.position;
    state_->align = s.align;
    state_->textColor = s.textColor;
    state_->penColor = s.penColor;
    state_->penWidth = s.penWidth;
    state_->saved.pop_back();
}

PixelRect GrafView::GetClipBox() const {
    QRect r;
    if (painter_.hasClipping())
        r = painter_.clipBoundingRect().toAlignedRect();
    else if (painter_.device())
        r = QRect(0, 0, painter_.device()->width(), painter_.device()->height());
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void GrafView::IntersectClipRect(const PixelRect& rect) {
    painter_.setClipRect(ToQRect(rect),
                         painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void GrafView::Translate(int dx, int dy) {
    painter_.translate(dx, dy);
}

void GrafView::FillRect(const PixelRect& rect, GrafColor color) {
    painter_.fillRect(ToQRect(rect), ToQColor(color));
}

void GrafView::FillPolygon(const PixelPoint* points, int count, GrafColor color, int alpha) {
    std::vector<QPoint> corners;
    corners.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        corners.emplace_back(points[i].x, points[i].y);
    QPen pen = painter_.pen();
    QBrush brush = painter_.brush();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(QColor(color.r, color.g, color.b, alpha));
    painter_.drawPolygon(corners.data(), count);
    painter_.setPen(pen);
    painter_.setBrush(brush);
}

void GrafView::SetPen(GrafColor color, int width) {
    if (width == state_->penWidth && color == state_->penColor) return;
    state_->penColor = color;
    state_->penWidth = width;
    QPen pen(ToQColor(color));
    pen.setWidth(width);
    pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::SquareCap);
    painter_.setPen(pen);
}

void GrafView::MoveTo(int x, int y) {
    state_->position = QPoint(x, y);
}

void GrafView::LineTo(int x, int y) {
    QPoint to(x, y);
    painter_.drawLine(state_->position, to);
    state_->position = to;
}

void GrafView::SetFont(const char* family, int pixelSize, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    painter_.setFont(font);
}

void GrafView::SetTextAlign(int align) {
    state_->align = align;
}

void GrafView::SetTextColor(GrafColor color) {
    state_->textColor = ToQColor(color);
}

PixelRect GrafView::TextBox(int x, int y, const char* text) const {
    QFontMetrics metrics(painter_.font());
    int width = metrics.horizontalAdvance(QString::fromStdString(Cp1252ToUtf8(text)));
    int left = state_->align & AlignCenter  ? x - width / 2
               : state_->align & AlignRight ? x - width
                                            : x;
    int top = state_->align & AlignBaseline ? y - metrics.ascent()
              : state_->align & AlignBottom ? y - metrics.height()
                                            : y;
    return {left, top, left + width, top + metrics.height()};
}

void GrafView::TextOut(int x, int y, const char* text) {
    PixelRect box = TextBox(x, y, text);
    QPen pen = painter_.pen();
    painter_.setPen(state_->textColor);
    painter_.drawText(box.left, box.top + QFontMetrics(painter_.font()).ascent(),
                      QString::fromStdString(Cp1252ToUtf8(text)));
    painter_.setPen(pen);
}

void GrafView::DrawBitmap(const Bitmap& bitmap, int srcX, int srcY, int w, int h, int x, int y) {
    if (bitmap.IsNull()) return;
    double dpr = bitmap.DevicePixelRatio();
    if (dpr == 1) {
        painter_.drawImage(QPoint(x, y), bitmap.Image(), QRect(srcX, srcY, w, h));
        return;
    }
    painter_.drawImage(QRectF(x, y, w / dpr, h / dpr), bitmap.Image(), QRectF(srcX, srcY, w, h));
}

void GrafView::CopyBuffer(const OffscreenBuffer& buffer, const PixelRect& rect) {
    if (buffer.IsNull() || rect.IsEmpty()) return;
    QPainter::CompositionMode mode = painter_.compositionMode();
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    // The buffer may hold several device pixels to the pixel: its part is counted in those.
    double dpr = buffer.DevicePixelRatio();
    if (dpr == 1)
        painter_.drawImage(QPoint(rect.left, rect.top), buffer.Image(), ToQRect(rect));
    else
        painter_.drawImage(
            QRectF(ToQRect(rect)), buffer.Image(),
            QRectF(rect.left * dpr, rect.top * dpr, rect.Width() * dpr, rect.Height() * dpr));
    painter_.setCompositionMode(mode);
}
