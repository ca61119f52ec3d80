// Draws the skinned edit, the drop-down list (closed and open) and the picture control in
// their states, each with a caption, into one PNG.
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFocusEvent>
#include <QPainter>

#include "ui/toolkit/CCustomComboBox.h"
#include "ui/toolkit/CTEditGdiplus.h"
#include "ui/toolkit/CTPicture.h"
#include "ui/toolkit/SkinFont.h"

using namespace lumicord;

namespace {

struct Shot {
    QString caption;
    QImage image;
};

void Enter(QWidget* widget) {
    QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), widget->mapToGlobal(QPointF(4, 4)));
    QApplication::sendEvent(widget, &enter);
}

void Focus(QWidget* widget) {
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &in);
}

void Blur(QWidget* widget) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(widget, &out);
}

std::vector<Shot> EditShots(QWidget& page) {
    std::vector<Shot> shots;
    auto make = [&page] {
        auto* edit = new CTEditGdiplus(&page);
        edit->resize(180, 24);
        ApplyStandardFieldStyle(*edit);
        edit->SetHint(QStringLiteral("e.g. 8.8.8.8"), MakeColorRef(128, 128, 128));
        edit->show();
        return edit;
    };
    CTEditGdiplus* e = make();
    e->setText(QStringLiteral("192.168.1.1"));
    shots.push_back({"normal", e->grab().toImage()});
    e = make();
    Focus(e);
    Blur(e);
    shots.push_back({"empty: hint", e->grab().toImage()});
    e = make();
    e->setText(QStringLiteral("ac-controller"));
    Enter(e);
    shots.push_back({"hovered", e->grab().toImage()});
    e = make();
    Focus(e);
    e->setText(QStringLiteral("typing"));
    shots.push_back({"focused", e->grab().toImage()});
    e = make();
    e->SetPlainText(false);
    Focus(e);
    e->setText(QStringLiteral("lockcode"));
    Blur(e);
    shots.push_back({"password", e->grab().toImage()});
    e = make();
    e->setText(QStringLiteral("8.8.4.4"));
    e->setEnabled(false);
    shots.push_back({"disabled", e->grab().toImage()});
    return shots;
}

CCustomComboBox* MakeCombo(QWidget& page, const QString& arrow) {
    auto* combo = new CCustomComboBox(&page);
    combo->resize(218, 30);
    combo->m_hintText = QStringLiteral("Select a network card");
    if (!arrow.isEmpty())
        combo->SetArrowImages(arrow);
    combo->AddItem(QStringLiteral("eth0  Intel I219-LM"));
    combo->AddItem(QStringLiteral("eth1  Realtek RTL8111 PCI Express Gigabit Ethernet Controller"));
    combo->AddItem(QStringLiteral("wlan0  disabled"));
    combo->AddItem(QStringLiteral("veth-lab"));
    combo->SetItemEnabled(2, false);
    combo->show();
    return combo;
}

std::vector<Shot> ComboShots(QWidget& page, const QString& arrow, QImage& openList) {
    std::vector<Shot> shots;
    CCustomComboBox* c = MakeCombo(page, arrow);
    shots.push_back({"nothing chosen: hint", c->grab().toImage()});
    c = MakeCombo(page, arrow);
    c->SetCurSel(0);
    shots.push_back({"chosen", c->grab().toImage()});
    c = MakeCombo(page, arrow);
    c->SetCurSel(1);
    Enter(c);
    shots.push_back({"hovered, long text", c->grab().toImage()});
    c = MakeCombo(page, {});
    c->SetCurSel(0);
    shots.push_back({"no arrow picture", c->grab().toImage()});
    c = MakeCombo(page, arrow);
    c->SetCurSel(0);
    c->setEnabled(false);
    shots.push_back({"disabled", c->grab().toImage()});

    c = MakeCombo(page, {});
    c->move(20, 20);
    c->SetCurSel(1);
    c->showPopup();
    QApplication::processEvents();
    shots.push_back({"open", c->grab().toImage()});
    if (QWidget* frame = c->view()->parentWidget()) {
        c->view()->setCurrentIndex(c->model()->index(3, 0)); // the item under the mouse
        openList = frame->grab().toImage();
    }
    c->hidePopup();
    return shots;
}

std::vector<Shot> PictureShots(QWidget& page, const QString& skin) {
    std::vector<Shot> shots;
    auto* spinner = new CTPicture(&page);
    if (spinner->Load(skin + QStringLiteral("/wait_search.gif"))) {
        const std::size_t count = spinner->Frames().size();
        for (std::size_t i = 0; i < count && i < 4; ++i) {
            spinner->ShowFrame(i);
            shots.push_back(
                {QStringLiteral("GIF frame %1/%2").arg(i + 1).arg(count), spinner->Snapshot()});
            spinner->DisposeFrame(i);
        }
    }
    auto* logo = new CTPicture(&page);
    if (logo->Load(skin + QStringLiteral("/brimla_logo.bmp")) && logo->Draw())
        shots.push_back({"BMP, own size", logo->Snapshot()});
    return shots;
}

int DrawRow(QPainter& painter, int y, const QString& title, const std::vector<Shot>& shots) {
    painter.setPen(QColor(40, 40, 40));
    painter.setFont(MakeSkinFont({QStringLiteral("Microsoft YaHei"), 17, 600}));
    painter.drawText(16, y + 16, title);
    y += 28;
    painter.setFont(MakeSkinFont({QStringLiteral("Microsoft YaHei"), 13}));
    int x = 16;
    int rowHeight = 0;
    for (const Shot& shot : shots) {
        painter.setPen(QColor(110, 110, 110));
        painter.drawText(x, y + 12, shot.caption);
        painter.drawImage(x, y + 18, shot.image);
        x += std::max(shot.image.width(), 120) + 16;
        rowHeight = std::max(rowHeight, shot.image.height() + 18);
    }
    return y + rowHeight + 20;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <out.png> <skin folder>\n", argv[0]);
        return 2;
    }
    const QString skin = QString::fromLocal8Bit(argv[2]);
    QWidget page;
    page.resize(1480, 400);
    page.show();
    QImage openList;
    const auto edits = EditShots(page);
    const auto combos = ComboShots(page, skin + QStringLiteral("/combox_down.png"), openList);
    const auto pictures = PictureShots(page, skin);

    QImage canvas(1480, 560, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    int y = DrawRow(painter, 8, QStringLiteral("CTEditGdiplus"), edits);
    y = DrawRow(painter, y, QStringLiteral("CCustomComboBox"), combos);
    const int listTop = y;
    y = DrawRow(painter, y, QStringLiteral("CTPicture"), pictures);
    if (!openList.isNull()) {
        const int x = canvas.width() - openList.width() - 24;
        painter.setPen(QColor(110, 110, 110));
        painter.drawText(x, listTop + 12, QStringLiteral("open list: chosen, hovered, disabled"));
        painter.drawImage(x, listTop + 18, openList);
    }
    painter.end();
    return canvas.copy(0, 0, canvas.width(), std::max(y, listTop + openList.height() + 30))
                   .save(QString::fromLocal8Bit(argv[1]))
               ? 0
               : 1;
}
