#include "gfx/bitmap.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace {

const char* ResourcePath(int id) {
    switch (id) {
    case kTerrainBitmap:
        return ":/bitmaps/terrain.png";
    case kOverlayBitmap:
        return ":/bitmaps/overlay.png";
    case kToolbarBitmap:
        return ":/bitmaps/toolbar.png";
    case kToolbarBitmap2x:
        return ":/bitmaps/toolbar@2x.png";
    default:
        return nullptr;
    }
}

// Premultiplied ARGB is the format the painter blends fastest.
QImage ForDrawing(const QImage& image) {
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

Bitmap::Bitmap() : image_(std::make_unique<QImage>()) {}
Bitmap::Bitmap(const QImage& image) : image_(std::make_unique<QImage>(ForDrawing(image))) {}
Bitmap::Bitmap(Bitmap&&) noexcept = default;
Bitmap& Bitmap::operator=(Bitmap&&) noexcept = default;
Bitmap::~Bitmap() = default;

Bitmap Bitmap::LoadResource(int id) {
    const char* path = ResourcePath(id);
    return path ? Bitmap(QImage(QString::fromLatin1(path))) : Bitmap();
}

Bitmap Bitmap::LoadFile(const char* path) {
    return Bitmap(QImage(QString::fromLocal8Bit(path)));
}

Bitmap Bitmap::RimmedText(const char* text, const char* family, int pixelSize, bool bold,
                          GrafColor ink, GrafColor rim) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    QFontMetrics metrics(font);
    QString string = QString::fromLatin1(text);
    QImage image(metrics.horizontalAdvance(string) + 2, metrics.height() + 2,
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return Bitmap();
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor(rim.r, rim.g, rim.b));
    const int baseline = 1 + metrics.ascent();
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx || dy) painter.drawText(1 + dx, baseline + dy, string);
    painter.setPen(QColor(ink.r, ink.g, ink.b));
    painter.drawText(1, baseline, string);
    painter.end();
    return Bitmap(image);
}

bool Bitmap::IsNull() const {
    return image_->isNull();
}
int Bitmap::Width() const {
    return image_->width();
}
int Bitmap::Height() const {
    return image_->height();
}

GrafColor Bitmap::PixelAt(int x, int y) const {
    if (!image_->valid(x, y)) return {};
    QRgb p = qUnpremultiply(image_->pixel(x, y));
    return {static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)),
            static_cast<uint8_t>(qBlue(p))};
}

bool Bitmap::IsOpaqueAt(int x, int y) const {
    return image_->valid(x, y) && qAlpha(image_->pixel(x, y)) != 0;
}

void Bitmap::MakeTransparent() {
    if (image_->isNull()) return;
    const QRgb key = image_->pixel(0, 0);
    for (int y = 0; y < image_->height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_->scanLine(y));
        for (int x = 0; x < image_->width(); ++x)
            if (line[x] == key) line[x] = 0;
    }
}
