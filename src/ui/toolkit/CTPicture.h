// A picture control that shows a GIF, BMP or JPEG file and plays an animated GIF on a thread
// of its own, so it keeps moving while the user-interface thread is busy. The thread draws
// into an off-screen picture under a lock; painting copies that picture to the control.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace lumicord {

// How long a frame stays: delays of 0 to 4 hundredths play at 100 ms.
constexpr int FrameWaitMs(int delay) {
    return delay > 4 ? delay * 10 : 100;
}

inline constexpr int kStopWaitMs = 5000;
// Bounds on untrusted files: larger pictures fail to load, frames past the limits are dropped.
inline constexpr int kMaxPictureSide = 8192;
inline constexpr qint64 kMaxPicturePixels = qint64(4096) * 4096;
inline constexpr std::size_t kMaxGifFrames = 10000;
// Frames are decoded while the screens they are painted onto add up to no more than this.
inline constexpr qint64 kMaxDecodePixels = qint64(256) * 1024 * 1024;

struct CTPictureFrame {
    QImage picture;
    QRect rect;     // on the logical screen
    int delay = -1; // hundredths of a second; −1 unset
    int disposal = 0;
};

class CTPicture : public QWidget {
    Q_OBJECT
public:
    explicit CTPicture(QWidget* parent = nullptr);
    ~CTPicture() override;

    // Stops and drops what was loaded, then prepares the file's picture and resizes the
    // control to it. False when the file cannot be read or decodes to nothing.
    bool Load(const QString& path);
    bool LoadData(const QByteArray& file);
    // Starts the animation of a GIF with more than one frame, otherwise shows the picture.
    bool Draw();
    // Ends the animation thread, waiting at most kStopWaitMs for it.
    void Stop();
    void Unload();

    bool IsReady() const { return m_ready; }
    bool IsGif() const { return m_gif; }
    bool IsRunning() const { return m_running; }
    QSize PictureSize() const { return m_pictureSize; }
    const std::vector<CTPictureFrame>& Frames() const { return m_frames; }
    std::size_t CurrentFrame() const { return m_currentFrame; }
    // Rounds of frames the thread has shown since it started.
    int FramesShown() const { return m_framesShown; }
    // A copy of the off-screen picture.
    QImage Snapshot() const;

    // One step of the animation, as the thread runs it; callable while it does not run.
    void ShowFrame(std::size_t index);
    void DisposeFrame(std::size_t index);
    void StartOver();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool PrepareGif(const QByteArray& file);
    bool PrepareStill(const QByteArray& file);
    void FinishPreparing();
    void Animate();
    bool WaitForStop(int ms);
    void RequestRepaint();

    QSize m_pictureSize;
    bool m_gif = false;
    bool m_ready = false;
    QImage m_still;
    std::vector<CTPictureFrame> m_frames;
    std::atomic<std::size_t> m_currentFrame{0};
    std::atomic<int> m_framesShown{0};
    QColor m_background{Qt::white};

    mutable std::mutex m_offscreenLock; // guards the off-screen picture and the save area
    QImage m_offscreen;
    QImage m_saveArea;
    QPoint m_savePosition;

    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
    std::mutex m_eventLock;
    std::condition_variable m_eventChanged;
    bool m_stopEvent = false; // manual reset
};

} // namespace lumicord
