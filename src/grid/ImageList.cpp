#include "grid/ImageList.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <cmath>

// The icons live in a static library, whose resource registration the linker would drop unless
// something refers to it.
static void RegisterGridIcons() { Q_INIT_RESOURCE(GridIcons); }

namespace vantaro {
namespace {

bool PaintsVectors(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    return (device && device->devType() == QInternal::Printer) || painter.transform().isScaling();
}

std::vector<QString> Resources(const char* folder, std::initializer_list<const char*> names) {
    RegisterGridIcons();
    std::vector<QString> paths;
    for (const char* name : names)
        paths.push_back(QStringLiteral(":/grid/%1/%2.svg").arg(QLatin1String(folder), QLatin1String(name)));
    return paths;
}

}  // namespace

ImageList::ImageList(int size, std::vector<QString> resources)
    : size_(size), resources_(std::move(resources)) {}

QPixmap ImageList::Pixmap(int index, qreal ratio) const {
    const QString key = QStringLiteral("vantaro:%1:%2:%3").arg(resources_[index]).arg(size_).arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    const int pixels = static_cast<int>(std::ceil(size_ * ratio));
    pixmap = QPixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(resources_[index]).render(&painter, QRectF(0, 0, pixels, pixels));
    }
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void ImageList::Draw(QPainter& painter, const QRect& slot, int index) const {
    if (!Has(index)) return;
    const QRect target(slot.left() + (slot.width() - size_) / 2, slot.top() + (slot.height() - size_) / 2,
                       size_, size_);
    if (PaintsVectors(painter)) {
        DrawScaled(painter, target, index);
        return;
    }
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter.drawPixmap(target.topLeft(), Pixmap(index, ratio));
}

void ImageList::DrawScaled(QPainter& painter, const QRectF& target, int index) const {
    if (!Has(index)) return;
    QSvgRenderer(resources_[index]).render(&painter, target);
}

QIcon ImageList::Icon(int index) const {
    if (!Has(index)) return {};
    QIcon icon;
    for (qreal ratio : {1.0, 2.0}) icon.addPixmap(Pixmap(index, ratio));
    return icon;
}

namespace grid_images {

const ImageList& CheckImages() {
    static const ImageList images(16, Resources("check", {"empty", "ticked", "chosen"}));
    return images;
}

const ImageList& TypeImages() {
    static const ImageList images(24, Resources("type", {"note", "meter0", "meter1", "meter2", "meter3",
                                                         "meter4", "pupil", "staff", "subject", "plan",
                                                         "day", "target", "report", "folder", "warning"}));
    return images;
}

const ImageList& Pictures() {
    static const ImageList images(32, Resources("picture", {"school", "pupil", "calendar", "chart"}));
    return images;
}

const ImageList& TickPictures() {
    static const ImageList images(16, Resources("check", {"ticked"}));
    return images;
}

const ImageList& OrganiserPictures() {
    static const ImageList images(32, Resources("picture", {"item", "lessonplan"}));
    return images;
}

const ImageList& ActionImages() {
    static const ImageList images(
        16, Resources("action", {"open", "new", "delete", "edit", "choose", "date", "toggle"}));
    return images;
}

}  // namespace grid_images
}  // namespace vantaro
