// Renders the devices grid in its states (ticked header box, status images, sort mark, hover
// row) offscreen into one picture: grid_gallery <output.png>.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>

#include "GridDemo.h"

using namespace lumicord;

namespace {

void Hover(CGridCtrl& grid, int row, int column) {
    const QPointF pos = grid.CellRect(row, column).center();
    QMouseEvent move(QEvent::MouseMove, pos, grid.viewport()->mapToGlobal(pos), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &move);
}

QImage Panel(const CGridImageList& images, const CSettings& settings, const QString& caption,
             int headerImage, int sortColumn, bool ascending, int hoverRow) {
    CGridCtrl grid;
    demo::SetUpGrid(grid, images, settings);
    demo::FillGrid(grid, 8, settings, [](int i) { return i < 6 ? 3 + i % 4 : 6; });
    for (int row = 1; row < grid.GetRowCount(); ++row)
        grid.SetItemImage(row, 0, headerImage == 1 || (headerImage == 2 && row % 3 == 1) ? 1 : 0);
    grid.SetItemImage(0, 0, headerImage);
    grid.SetSortColumn(sortColumn);
    grid.SetSortAscending(ascending);
    grid.resize(grid.Model().TotalWidth() + 20, 38 + 48 * 5 + 24);
    grid.show();
    QApplication::processEvents(); // scroll bars show or hide on a queued call
    Hover(grid, hoverRow, 2);

    const QImage shot = grid.grab().toImage();
    QImage panel(shot.width(), shot.height() + 28, QImage::Format_RGB32);
    panel.fill(QColor(255, 255, 255));
    QPainter painter(&panel);
    painter.setPen(QColor(80, 80, 80));
    painter.drawText(QRect(4, 0, panel.width() - 8, 26), Qt::AlignLeft | Qt::AlignVCenter, caption);
    painter.drawImage(0, 28, shot);
    return panel;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: grid_gallery <output.png>\n");
        return 2;
    }
    const CSettings settings = demo::DefaultSettings();
    CGridImageList images;
    demo::LoadSkinImages(images);

    const QImage top = Panel(images, settings,
                             QStringLiteral("Some devices ticked (header partly ticked), sorted "
                                            "by MAC ascending, mouse over row 3"),
                             2, 2, true, 3);
    const QImage bottom = Panel(images, settings,
                                QStringLiteral("All devices ticked, sorted by Status "
                                               "descending, mouse over row 1"),
                                1, 3, false, 1);
    QImage gallery(std::max(top.width(), bottom.width()), top.height() + bottom.height() + 12,
                   QImage::Format_RGB32);
    gallery.fill(QColor(200, 200, 200));
    QPainter painter(&gallery);
    painter.drawImage(0, 0, top);
    painter.drawImage(0, top.height() + 12, bottom);
    painter.end();
    return gallery.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
