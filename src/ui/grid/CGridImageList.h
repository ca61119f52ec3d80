// The images that grid cells show by index. Bitmaps are keyed on white: white pixels become
// transparent, as the skin's grid images are drawn on white.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

namespace lumicord {

class CGridImageList {
public:
    explicit CGridImageList(QSize size = QSize(24, 24)) : m_size(size) {}

    // Appends the image with white made transparent and returns its index. An image that
    // could not be loaded still takes its index (and draws nothing), so the indexes of the
    // images after it keep their meaning.
    int Add(const QImage& image);
    int AddFile(const QString& path);

    int Count() const { return static_cast<int>(m_images.size()); }
    QSize Size() const { return m_size; }
    // The image at index, or nullptr when out of range or not loaded.
    const QImage* Image(int index) const;

private:
    QSize m_size;
    std::vector<QImage> m_images;
};

} // namespace lumicord
