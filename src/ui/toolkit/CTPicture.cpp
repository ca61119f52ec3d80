#include "ui/toolkit/CTPicture.h"

#include <QFile>
#include <QPainter>
#include <chrono>
#include <span>

#include "ui/toolkit/GifBlockWalk.h"

namespace lumicord {
namespace {

std::span<const std::uint8_t> Bytes(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size())};
}

bool SizeAllowed(QSize size) {
    return size.width() > 0 && size.height() > 0 && size.width() <= kMaxPictureSide &&
           size.height() <= kMaxPictureSide &&
           qint64(size.width()) * size.height() <= kMaxPicturePixels;
}

} // namespace

CTPicture::CTPicture(QWidget* parent) : QWidget(parent) {}

CTPicture::~CTPicture() {
    Unload();
}

bool CTPicture::Load(const QString& path) {
    Unload();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return LoadData(file.readAll());
}

bool CTPicture::LoadData(const QByteArray& file) {
    Unload();
    const bool prepared = HasGifSignature(Bytes(file)) ? PrepareGif(file) : PrepareStill(file);
    if (!prepared) {
        Unload();
        return false;
    }
    FinishPreparing();
    return true;
}

bool CTPicture::PrepareStill(const QByteArray& file) {
    QImage image = QImage::fromData(file);
    if (image.isNull() || !SizeAllowed(image.size()))
        return false;
    m_still = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_pictureSize = image.size();
    return true;
}

bool CTPicture::PrepareGif(const QByteArray& file) {
    const auto bytes = Bytes(file);
    const auto layout = WalkGifBlocks(bytes, kMaxGifFrames);
    if (!layout || layout->frames.empty())
        return false;
    const QSize screen(layout->width, layout->height);
    if (!SizeAllowed(screen))
        return false;
    if (layout->frames.size() == 1) {
        if (!PrepareStill(file))
            return false;
        m_gif = true;
        m_pictureSize = screen;
        return true;
    }
    const QRect screenRect(QPoint(0, 0), screen);
    qint64 work = 0;
    for (const GifFrameBlock& block : layout->frames) {
        // Only the part on the logical screen is ever seen; a zero-size frame shows nothing.
        const QRect rect =
            QRect(block.left, block.top, block.width, block.height).intersected(screenRect);
        if (rect.isEmpty())
            continue;
        // The decoder paints every frame onto a whole screen.
        work += qint64(screen.width()) * screen.height();
        if (work > kMaxDecodePixels)
            break;
        const std::vector<std::uint8_t> one = BuildOneFrameGif(bytes, *layout, block);
        QImage decoded = QImage::fromData(one.data(), int(one.size()), "GIF");
        if (decoded.isNull())
            continue;
        // The decoder may hand back the whole logical screen with the frame in place.
        if (decoded.size() != rect.size())
            decoded = decoded.copy(rect);
        m_frames.push_back({decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied), rect,
                            block.delay, block.disposal});
    }
    if (m_frames.empty())
        return false;
    m_gif = true;
    m_pictureSize = screen;
    return true;
}

void CTPicture::FinishPreparing() {
    resize(m_pictureSize);
    m_background = palette().color(QPalette::Button);
    {
        const std::lock_guard lock(m_offscreenLock);
        m_offscreen = QImage(m_pictureSize, QImage::Format_ARGB32_Premultiplied);
        m_offscreen.fill(palette().color(QPalette::Window));
    }
    m_ready = true;
}

bool CTPicture::Draw() {
    if (!m_ready)
        return false;
    if (m_frames.size() > 1) {
        if (!m_running && !m_thread.joinable()) {
            m_running = true;
            m_framesShown = 0;
            m_thread = std::thread([this] { Animate(); });
        }
        return true;
    }
    if (m_frames.size() == 1) {
        ShowFrame(0); // the only frame of an animation that decoded
    } else {
        const std::lock_guard lock(m_offscreenLock);
        QPainter painter(&m_offscreen);
        painter.drawImage(QRect(QPoint(0, 0), m_pictureSize), m_still);
    }
    update();
    return true;
}

void CTPicture::Stop() {
    m_stop = true;
    {
        const std::lock_guard lock(m_eventLock);
        m_stopEvent = true;
    }
    m_eventChanged.notify_all();
    if (m_thread.joinable()) {
        std::unique_lock lock(m_eventLock);
        m_eventChanged.wait_for(lock, std::chrono::milliseconds(kStopWaitMs),
                                [this] { return !m_running; });
        lock.unlock();
        // The thread only waits on the stop event and draws into memory, so it has ended or
        // is about to; it is joined, never left running over a control that goes away.
        m_thread.join();
    }
    const std::lock_guard lock(m_eventLock);
    m_stopEvent = false;
    m_stop = false;
}

void CTPicture::Unload() {
    Stop();
    m_frames.clear();
    m_still = QImage();
    {
        const std::lock_guard lock(m_offscreenLock);
        m_offscreen = QImage();
        m_saveArea = QImage();
    }
    m_pictureSize = QSize();
    m_currentFrame = 0;
    m_gif = false;
    m_ready = false;
    m_background = Qt::white;
}

QImage CTPicture::Snapshot() const {
    const std::lock_guard lock(m_offscreenLock);
    return m_offscreen.copy();
}

void CTPicture::ShowFrame(std::size_t index) {
    if (index >= m_frames.size())
        return;
    const CTPictureFrame& frame = m_frames[index];
    const std::lock_guard lock(m_offscreenLock);
    QPainter painter(&m_offscreen);
    if (frame.disposal == 2)
        painter.fillRect(frame.rect, m_background);
    if (!m_saveArea.isNull() && frame.disposal == 3) // back from a Stop in the middle
        painter.drawImage(m_savePosition, m_saveArea);
    if (frame.picture.isNull())
        return;
    if (frame.disposal == 3) {
        m_saveArea = m_offscreen.copy(frame.rect);
        m_savePosition = frame.rect.topLeft();
    }
    painter.drawImage(frame.rect, frame.picture);
}

void CTPicture::DisposeFrame(std::size_t index) {
    if (index >= m_frames.size())
        return;
    const CTPictureFrame& frame = m_frames[index];
    const std::lock_guard lock(m_offscreenLock);
    QPainter painter(&m_offscreen);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (frame.disposal == 2)
        painter.fillRect(frame.rect, m_background);
    else if (frame.disposal == 3 && !m_saveArea.isNull())
        painter.drawImage(m_savePosition, m_saveArea);
}

void CTPicture::StartOver() {
    const std::lock_guard lock(m_offscreenLock);
    m_offscreen.fill(m_background);
}

void CTPicture::Animate() {
    std::size_t index = m_currentFrame;
    while (!m_stop) {
        ShowFrame(index);
        ++m_framesShown;
        RequestRepaint();
        if (m_stop || WaitForStop(FrameWaitMs(m_frames[index].delay)))
            break;
        DisposeFrame(index);
        if (++index >= m_frames.size()) {
            index = 0;
            StartOver();
        }
        m_currentFrame = index;
    }
    {
        const std::lock_guard lock(m_eventLock);
        m_running = false;
    }
    m_eventChanged.notify_all();
}

bool CTPicture::WaitForStop(int ms) {
    std::unique_lock lock(m_eventLock);
    return m_eventChanged.wait_for(lock, std::chrono::milliseconds(ms),
                                   [this] { return m_stopEvent; });
}

void CTPicture::RequestRepaint() {
    // Queued to the control's thread; pending calls go with the control when it is destroyed,
    // and the thread has been joined by then.
    QMetaObject::invokeMethod(this, qOverload<>(&QWidget::update), Qt::QueuedConnection);
}

void CTPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const std::lock_guard lock(m_offscreenLock);
    if (!m_offscreen.isNull())
        painter.drawImage(QPoint(0, 0), m_offscreen);
}

} // namespace lumicord
