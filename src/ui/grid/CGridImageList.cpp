#include "ui/grid/CGridImageList.h"

namespace lumicord {

int CGridImageList::Add(const QImage& image) {
    QImage keyed;
    if (!image.isNull()) {
        keyed = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < keyed.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x) {
                if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu && qAlpha(line[x]) == 255)
                    line[x] = 0;
            }
        }
    }
    m_images.push_back(std::move(keyed));
    return Count() - 1;
}

int CGridImageList::AddFile(const QString& path) {
    return Add(QImage(path));
}

const QImage* CGridImageList::Image(int index) const {
    if (index < 0 || index >= Count() || m_images[static_cast<std::size_t>(index)].isNull())
        return nullptr;
    return &m_images[static_cast<std::size_t>(index)];
}

} // namespace lumicord
