#pragma once

#include <QIcon>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;

namespace vantaro {

// A list of square images of one size, addressed by index and drawn from SVG resources: crisp at any device pixel ratio
// on screen (rendered once per ratio and kept in Qt's pixmap cache) and as vectors on paper.
class ImageList {
public:
    ImageList(int size, std::vector<QString> resources);

    int Count() const { return static_cast<int>(resources_.size()); }
    int Size() const { return size_; }
    // An index within the list whose entry has an image (an entry may be left empty).
    bool Has(int index) const { return index >= 0 && index < Count() && !resources_[index].isEmpty(); }

    // Draws the image at its own size, centred in the slot; nothing for an index not in the list.
    void Draw(QPainter& painter, const QRect& slot, int index) const;
    // Draws the image scaled to fill the target (printing).
    void DrawScaled(QPainter& painter, const QRectF& target, int index) const;
    QIcon Icon(int index) const;

private:
    QPixmap Pixmap(int index, qreal ratio) const;

    int size_;
    std::vector<QString> resources_;
};

// The images every page shares unless it brings its own.
namespace grid_images {
// 16 by 16: 0 an empty box, 1 a ticked box (multiple choice), 2 the chosen item (single choice).
const ImageList& CheckImages();
// 24 by 24: 0 note, 1 to 5 score meters from empty to full (the ScoreTypeIndex values), 6 pupil,
// 7 staff, 8 subject, 9 plan, 10 day, 11 target, 12 report, 13 folder, 14 warning.
const ImageList& TypeImages();
// 32 by 32: 0 school, 1 pupil, 2 calendar, 3 chart.
const ImageList& Pictures();
// 16 by 16: 0 a ticked box (an authorised absence, the pupil's set).
const ImageList& TickPictures();
// The organisers' pictures, 32 by 32: 0 an existing item, 1 a lesson plan.
const ImageList& OrganiserPictures();
// 16 by 16: 0 open, 1 new, 2 delete, 3 edit, 4 choose, 5 date, 6 toggle.
const ImageList& ActionImages();
}  // namespace grid_images

}  // namespace vantaro
