#include "gfx/bitmap.h"

#include "base/cp1252.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {

const char* ResourcePath(int id) {
    switch (id) {
    case kTerrainBitmap:
        return ":/bitmaps/terrain.png";
    case kOverlayBitmap:
        return ":/bitmaps/overlay.png";
    case kObjectBitmap:
        return ":/bitmaps/objects.png";
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
                          GrafColor ink, GrafColor rim, double dpr) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(std::max(1, static_cast<int>(pixelSize * dpr + 0.5)));
    font.setBold(bold);
    QFontMetrics metrics(font);
    // Report texts are Windows-1252.
    QString string = QString::fromStdString(Cp1252ToUtf8(text));
    // The rim is one screen pixel wide, however fine the bitmap.
    const int rimPixels = std::max(1, static_cast<int>(dpr + 0.5));
    QImage image(metrics.horizontalAdvance(string) + 2 * rimPixels,
                 metrics.height() + 2 * rimPixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return Bitmap();
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor(rim.r, rim.g, rim.b));
    const int baseline = rimPixels + metrics.ascent();
    for (int dy = -rimPixels; dy <= rimPixels; ++dy)
        for (int dx = -rimPixels; dx <= rimPixels; ++dx)
            if (dx || dy) painter.drawText(rimPixels + dx, baseline + dy, string);
    painter.setPen(QColor(ink.r, ink.g, ink.b));
    painter.drawText(rimPixels, baseline, string);
    painter.end();
    Bitmap label(image);
    label.SetDevicePixelRatio(dpr);
    return label;
}

Bitmap Bitmap::ScaledCells(int cellWidth, int cellHeight, int toWidth, int toHeight) const {
    if (IsNull() || cellWidth <= 0 || cellHeight <= 0 || toWidth <= 0 || toHeight <= 0)
        return Bitmap();
    int columns = image_->width() / cellWidth, rows = image_->height() / cellHeight;
    QImage sheet(columns * toWidth, rows * toHeight, QImage::Format_ARGB32_Premultiplied);
    if (sheet.isNull()) return Bitmap();
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            painter.drawImage(
                QPoint(column * toWidth, row * toHeight),
                image_->copy(column * cellWidth, row * cellHeight, cellWidth, cellHeight)
                    .scaled(toWidth, toHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    painter.end();
    return Bitmap(sheet);
}

void Bitmap::SetDevicePixelRatio(double dpr) {
    if (dpr > 0) image_->setDevicePixelRatio(dpr);
}

double Bitmap::DevicePixelRatio() const {
    return image_->devicePixelRatio();
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
