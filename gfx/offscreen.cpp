#include "gfx/offscreen.h"

#include "gfx/grafview.h"

#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

OffscreenBuffer::OffscreenBuffer() : image_(std::make_unique<QImage>()) {}
OffscreenBuffer::OffscreenBuffer(OffscreenBuffer&&) noexcept = default;
OffscreenBuffer& OffscreenBuffer::operator=(OffscreenBuffer&&) noexcept = default;
OffscreenBuffer::~OffscreenBuffer() = default;

bool OffscreenBuffer::Resize(int width, int height, double dpr) {
    *image_ = QImage();
    if (dpr < 1) dpr = 1;
    long long w = static_cast<long long>(width * dpr + 0.5);
    long long h = static_cast<long long>(height * dpr + 0.5);
    if (width <= 0 || height <= 0 || w * h > kMaxPixels) return false;
    // RGB32 is opaque: the window copy needs no blending.
    *image_ = QImage(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
    image_->setDevicePixelRatio(dpr);
    return !image_->isNull();
}

double OffscreenBuffer::DevicePixelRatio() const {
    return image_->devicePixelRatio();
}

bool OffscreenBuffer::IsNull() const {
    return image_->isNull();
}
int OffscreenBuffer::Width() const {
    return static_cast<int>(image_->width() / image_->devicePixelRatio() + 0.5);
}
int OffscreenBuffer::Height() const {
    return static_cast<int>(image_->height() / image_->devicePixelRatio() + 0.5);
}

GrafColor OffscreenBuffer::PixelAt(int x, int y) const {
    if (!image_->valid(x, y)) return {};
    QRgb p = image_->pixel(x, y);
    return {static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)),
            static_cast<uint8_t>(qBlue(p))};
}

bool OffscreenBuffer::SavePng(const char* path) const {
    if (image_->isNull()) return false;
    QSaveFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, "png");
    if (!writer.write(*image_)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

OffscreenBuffer::Painting::Painting(OffscreenBuffer& buffer)
    : painter_(std::make_unique<QPainter>(buffer.image_.get())),
      view_(std::make_unique<GrafView>(*painter_)) {}

OffscreenBuffer::Painting::~Painting() {
    view_.reset();
    painter_->end();
}
