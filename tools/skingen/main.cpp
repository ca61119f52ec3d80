// Draws every picture of the skin folder and the application icon.
// Usage: lumicord-skingen <skin folder> <icon file>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "BackgroundArt.h"
#include "ButtonArt.h"
#include "GifWriter.h"
#include "GridIconArt.h"
#include "SkinPalette.h"

using namespace lumicord::skingen;

namespace {

bool g_ok = true;

void Save(const QDir& dir, const QString& name, const QImage& image) {
    QImageWriter writer(dir.filePath(name));
    if (name.endsWith(QLatin1String(".jpg")))
        writer.setQuality(95);
    const QImage out =
        name.endsWith(QLatin1String(".bmp")) ? image.convertToFormat(QImage::Format_RGB888) : image;
    if (!writer.write(out)) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(dir.filePath(name)));
        g_ok = false;
    }
}

void SaveFamily(const QDir& dir, const QString& stem, bool withDisable,
                QImage (*draw)(QSize, ButtonState), QSize size) {
    Save(dir, stem + QLatin1String("_normal.png"), draw(size, ButtonState::Normal));
    Save(dir, stem + QLatin1String("_over.png"), draw(size, ButtonState::Over));
    Save(dir, stem + QLatin1String("_down.png"), draw(size, ButtonState::Down));
    if (withDisable)
        Save(dir, stem + QLatin1String("_disable.png"), draw(size, ButtonState::Disable));
}

void SaveBackgrounds(const QDir& dir) {
    Save(dir, QStringLiteral("main_bk.png"), MainBackground(kBody, {QRect(247, 126, 324, 288)}));
    Save(dir, QStringLiteral("main_bk.jpg"), MainBackground(Qt::white, {}));
    Save(dir, QStringLiteral("main_bk3.jpg"), MainBackground(kBodyDim, {}));
}

void SaveButtons(const QDir& dir) {
    SaveFamily(dir, QStringLiteral("apply_btn"), true, FilledButton, QSize(67, 27));
    SaveFamily(dir, QStringLiteral("cancel_btn"), false, OutlinedButton, QSize(71, 27));
    SaveFamily(dir, QStringLiteral("scan_btn"), true, FilledButton, QSize(218, 24));
    SaveFamily(dir, QStringLiteral("protection_btn"), true, FilledButton, QSize(142, 24));
    Save(dir, QStringLiteral("change_btn_normal.png"), ChangeButton(QSize(48, 18)));
    Save(dir, QStringLiteral("btn_close_normal.png"),
         CaptionButton(true, ButtonState::Normal, false));
    Save(dir, QStringLiteral("btn_close_normal2.png"),
         CaptionButton(true, ButtonState::Normal, true));
    Save(dir, QStringLiteral("btn_close_over.png"), CaptionButton(true, ButtonState::Over, false));
    Save(dir, QStringLiteral("btn_close_down.png"), CaptionButton(true, ButtonState::Down, false));
    Save(dir, QStringLiteral("btn_min_normal.png"),
         CaptionButton(false, ButtonState::Normal, false));
    Save(dir, QStringLiteral("btn_min_over.png"), CaptionButton(false, ButtonState::Over, false));
    Save(dir, QStringLiteral("btn_min_down.png"), CaptionButton(false, ButtonState::Down, false));
    Save(dir, QStringLiteral("btn_child_close.png"), ChildCloseButton(false));
    Save(dir, QStringLiteral("btn_child_close2.png"), ChildCloseButton(true));
    Save(dir, QStringLiteral("choose_btn_normal.png"), ChooseButton(QSize(99, 28)));
    Save(dir, QStringLiteral("btn_ini_file.png"), FileButton(QSize(209, 28), false));
    Save(dir, QStringLiteral("btn_pic_file.png"), FileButton(QSize(209, 28), true));
    Save(dir, QStringLiteral("btn_switch_on.png"), SwitchButton(true));
    Save(dir, QStringLiteral("btn_switch_off.png"), SwitchButton(false));
    Save(dir, QStringLiteral("btn_template.png"),
         OutlinedButton(QSize(124, 24), ButtonState::Normal));
    Save(dir, QStringLiteral("combox_down.png"), ComboArrow());
}

void SaveGridImages(const QDir& dir) {
    Save(dir, QStringLiteral("unselect.bmp"), CheckBoxImage(CheckMark::None));
    Save(dir, QStringLiteral("select.bmp"), CheckBoxImage(CheckMark::Full));
    Save(dir, QStringLiteral("part_select.bmp"), CheckBoxImage(CheckMark::Partial));
    Save(dir, QStringLiteral("success.bmp"), StatusImage(StatusMark::Success));
    Save(dir, QStringLiteral("error.bmp"), StatusImage(StatusMark::Error));
    Save(dir, QStringLiteral("operating.bmp"), StatusImage(StatusMark::Operating));
}

void SaveAnimation(const QDir& dir) {
    QFile file(dir.filePath(QStringLiteral("wait_search.gif")));
    const QByteArray gif = EncodeGif(WaitFrames(16, 8), WaitPalette());
    if (gif.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(gif) != gif.size()) {
        std::fprintf(stderr, "skingen: cannot write wait_search.gif\n");
        g_ok = false;
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: lumicord-skingen <skin folder> <icon file>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path()))
        return 1;
    SaveBackgrounds(dir);
    SaveButtons(dir);
    SaveGridImages(dir);
    SaveAnimation(dir);
    Save(dir, QStringLiteral("brimla_logo.bmp"), MakerWordmark(QSize(220, 48)));
    if (!ApplicationIcon(64).save(QString::fromLocal8Bit(argv[2])))
        g_ok = false;
    return g_ok ? 0 : 1;
}
